// Must not compile: a window folder reaches another window only through the navigation.
#include "climograph/Uonz_Main.h"
