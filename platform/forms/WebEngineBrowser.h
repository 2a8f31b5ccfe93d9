#pragma once
// The web engine behind the browser seam (Browser.h), for the program; tests keep the
// plain browser or install a fake.

namespace forms {

// Installs the web engine as the program's browser when the program was built with it
// (otherwise the plain browser stays). The engine itself loads with the first browser.
void installWebEngineBrowser();
// True when the program was built with the web engine.
bool hasWebEngine();

}  // namespace forms
