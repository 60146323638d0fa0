#include "ide/common/routines.h"

namespace korvax {

int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
  return kcl::Application()->MessageBox(text, caption, flags);
}

}  // namespace korvax
