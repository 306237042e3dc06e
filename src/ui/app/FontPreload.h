#pragma once

#include <future>
#include <thread>

// Loads the fonts on a thread of their own while the application connects to
// the display and builds its window: first the font configuration (every
// configuration file and font cache of the system), then, once the
// application object exists, Qt's font database and the match for the
// application's font. Qt does all of it on first text layout, on the way to
// the first paint, where it is the largest single cost of start-up; begun
// early, it is ready or nearly so by then.
class FontPreload
{
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

    // Lets the thread go on to Qt's font database, which needs the
    // application object; call once it is made.
    void applicationMade();
    // Waits until the fonts are loaded; call after applicationMade() and
    // before the first window is shown, so that it finds them ready instead
    // of loading them a second time.
    void wait();

private:
    void load();

    std::promise<bool> m_application;
    bool m_applicationMade = false;
    std::thread m_loader;
};
