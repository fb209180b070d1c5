#include "controls/LmHintComboBox.h"

namespace vok {

TLmHintComboBox::TLmHintComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
}

}  // namespace vok
