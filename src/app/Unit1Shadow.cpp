// The main window's Generate Shadow command.
#include "app/Unit1.h"

namespace vok {

void TForm1::Button12Click() {}

}  // namespace vok
