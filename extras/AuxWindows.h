#pragma once
// The auxiliary windows the chart windows' menus open.

#include "extras/HelpTextWindows.h"
#include "extras/KoppenMaps.h"
#include "extras/MonthNumberTool.h"
#include "extras/frmAbout.h"
#include "extras/frmBrowser.h"
