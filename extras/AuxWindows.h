#pragma once
// The auxiliary windows the chart windows' menus open. Each is its caption and size
// until its own design is built.

#include "extras/HelpTextWindows.h"
#include "extras/KoppenMaps.h"
#include "extras/MonthNumberTool.h"
#include "extras/frmAbout.h"
#include "platform/forms/Form.h"

namespace extras {

#define TAVRIN_PLAIN_WINDOW(Name)     \
    class Name : public forms::Form { \
    public:                           \
        Name();                       \
    }

TAVRIN_PLAIN_WINDOW(frmBrowser);  // web browser

#undef TAVRIN_PLAIN_WINDOW

}  // namespace extras
