#include "app/Unit1.h"

namespace vok {

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle("Tarvex Vok Tool");
    setFixedSize(272, 294);
}

}  // namespace vok
