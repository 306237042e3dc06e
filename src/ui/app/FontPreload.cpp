#include "ui/app/FontPreload.h"

#include <fontconfig/fontconfig.h>

FontPreload::FontPreload()
    : m_loader([] { FcInit(); })
{}

FontPreload::~FontPreload()
{
    wait();
}

void FontPreload::wait()
{
    if (m_loader.joinable())
        m_loader.join();
}
