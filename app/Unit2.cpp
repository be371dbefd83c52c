#include "app/Unit2.h"

namespace app {

TForm2* Form2 = nullptr;

}  // namespace app
