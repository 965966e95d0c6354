#pragma once

#include <future>

namespace ui {

// Loads the system's font configuration on a thread of its own from the
// moment it is made, so that its many files are parsed on another core while
// the window system starts up. wait() must come before the first text is laid
// out: Qt would otherwise load a second copy of it alongside.
class FontPreload {
public:
    FontPreload();
    void wait();

private:
    std::future<void> load_; // its destructor waits for the thread
};

} // namespace ui
