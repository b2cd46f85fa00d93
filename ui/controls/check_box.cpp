#include "ui/controls/check_box.h"

namespace Veneer {

const wchar_t* CCheckBoxUI::UiClassName() const {
  return L"CheckBoxUI";
}

}  // namespace Veneer
