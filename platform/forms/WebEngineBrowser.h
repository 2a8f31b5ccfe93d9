#pragma once
// The web engine behind the browser seam (Browser.h), for the program; tests keep the
// plain browser or install a fake.

namespace forms {

// Installs the web engine as the program's browser when the program was built with it
// (otherwise the plain browser stays). Call before the application object is made: the
// engine shares its graphics contexts from the start.
void installWebEngineBrowser();
// True when the program was built with the web engine.
bool hasWebEngine();

}  // namespace forms
