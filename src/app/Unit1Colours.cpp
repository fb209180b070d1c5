// Combine, Split, and the shadow copy and delete commands of the main window.
#include "app/Unit1.h"

namespace vok {

void TForm1::Button6Click() {}

void TForm1::Button7Click() {}

void TForm1::Button8Click() {}

void TForm1::Button9Click() {}

}  // namespace vok
