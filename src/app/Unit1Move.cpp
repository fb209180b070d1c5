// The main window's Move Monster command.
#include "app/Unit1.h"

namespace vok {

void TForm1::Button13Click() {}

}  // namespace vok
