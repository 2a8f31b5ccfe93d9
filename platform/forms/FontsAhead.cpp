#include "platform/forms/FontsAhead.h"

#include <fontconfig/fontconfig.h>

namespace forms {

namespace {
FontsAhead* loadingAhead = nullptr;
}

// The toolkit's font database starts with the same call, which then finds the
// configuration loaded and returns at once.
FontsAhead::FontsAhead() : loading_([] { FcInit(); }) { loadingAhead = this; }

FontsAhead::~FontsAhead() {
    waitForLoad();
    if (loadingAhead == this) loadingAhead = nullptr;
}

void FontsAhead::waitForLoad() {
    if (loadingAhead && loadingAhead->loading_.joinable()) loadingAhead->loading_.join();
}

}  // namespace forms
