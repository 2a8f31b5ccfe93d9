#pragma once
// The auxiliary windows the chart windows' menus open. Each is its caption and size
// until its own design is built.

#include "extras/HelpTextWindows.h"
#include "extras/MonthNumberTool.h"
#include "platform/forms/Form.h"

namespace extras {

#define TAVRIN_PLAIN_WINDOW(Name)     \
    class Name : public forms::Form { \
    public:                           \
        Name();                       \
    }

TAVRIN_PLAIN_WINDOW(frmAbout);    // version
TAVRIN_PLAIN_WINDOW(frmBrowser);  // web browser
TAVRIN_PLAIN_WINDOW(Form111);     // climate-classification map, whole world
TAVRIN_PLAIN_WINDOW(Form112);     // climate-classification map, cropped

#undef TAVRIN_PLAIN_WINDOW

}  // namespace extras
