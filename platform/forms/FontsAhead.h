#pragma once
// The system's font configuration loaded ahead, on a thread of its own, while the program
// makes its application object and builds its first window: reading the configuration
// files and the font caches is a good part of a start-up, and nothing needs them before
// the first text is measured.

#include <thread>

namespace forms {

class FontsAhead {
public:
    // Starts loading; the program makes one, first thing in main, and keeps it to the end.
    FontsAhead();
    // Waits for the load: a thread still loading when the program ends is let finish.
    ~FontsAhead();
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;

    // Waits until the configuration loaded ahead, if any, is loaded; at once when it is,
    // or when nothing loads ahead. A window waits before it measures its first text, so
    // that the toolkit finds the configuration loaded rather than load a second one
    // alongside. Called on the program's main thread only.
    static void waitForLoad();

private:
    std::thread loading_;
};

}  // namespace forms
