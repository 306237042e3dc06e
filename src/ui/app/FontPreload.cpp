#include "ui/app/FontPreload.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

FontPreload::FontPreload()
    : m_loader([this] { load(); })
{}

FontPreload::~FontPreload()
{
    // Ended before the application was made: the configuration is all.
    if (!m_applicationMade)
        m_application.set_value(false);
    wait();
}

void FontPreload::applicationMade()
{
    m_applicationMade = true;
    m_application.set_value(true);
}

void FontPreload::wait()
{
    if (m_loader.joinable())
        m_loader.join();
}

void FontPreload::load()
{
    // fontconfig installs its configuration with a compare-and-swap, so Qt
    // finds this one and loads none of its own.
    FcInit();
    if (!m_application.get_future().get())
        return;
    // Qt's font database and the fallback lists of a match are shared by all
    // threads and locked while they fill; the font engine made here is this
    // thread's own and goes with it.
    QFontMetrics(QGuiApplication::font()).height();
}
