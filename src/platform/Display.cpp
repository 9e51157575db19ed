#include "platform/Display.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

class PrimaryScreen : public DisplayInfo
{
    static QScreen* Screen()
    {
        return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                            : nullptr;
    }

public:
    int ScreenWidth() const override { return Screen() ? Screen()->geometry().width() : 0; }
    int ScreenHeight() const override { return Screen() ? Screen()->geometry().height() : 0; }
    int ColourDepth() const override { return ColourDepthForBits(Screen() ? Screen()->depth() : 32); }
};

const PrimaryScreen g_primary;
const DisplayInfo* g_current = &g_primary;

} // namespace

const DisplayInfo& DisplayInfo::Current()
{
    return *g_current;
}

void DisplayInfo::Install(const DisplayInfo* display)
{
    g_current = display ? display : &g_primary;
}

int ColourDepthForBits(int bitsPerPixel)
{
    if (bitsPerPixel <= 4) return 16;
    if (bitsPerPixel == 8) return 256;
    return -1;
}

int ScreenWidth()
{
    return DisplayInfo::Current().ScreenWidth();
}
int ScreenHeight()
{
    return DisplayInfo::Current().ScreenHeight();
}
int ColourDepth()
{
    return DisplayInfo::Current().ColourDepth();
}
