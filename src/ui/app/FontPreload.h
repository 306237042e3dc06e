#pragma once

#include <thread>

// Loads the font configuration (every configuration file and font cache of
// the system) on a thread of its own while the application connects to the
// display and builds its window. Qt loads it on first text layout, on the way
// to the first paint, where it is the largest single cost of start-up; begun
// early, it is ready or nearly so by then.
class FontPreload
{
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

    // Waits until the configuration is loaded; call before the first window
    // is shown, so that Qt finds it ready instead of loading its own.
    void wait();

private:
    std::thread m_loader;
};
