#include "windows/Navigation.h"

#include <stdexcept>

namespace windows {
namespace {
Navigation* installed = nullptr;
}

Navigation& navigation() {
    if (!installed) throw std::logic_error("no navigation installed: the program's start-up sets it");
    return *installed;
}

void setNavigation(Navigation* n) { installed = n; }

}  // namespace windows
