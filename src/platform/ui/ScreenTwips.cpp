#include "platform/ui/ScreenTwips.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/Twips.h"

namespace zx {

double ScreenLogicalDpiX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double ScreenLogicalDpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

int TwipsToPixelsX(int twips) { return TwipsToPixels(twips, ScreenLogicalDpiX()); }
int TwipsToPixelsY(int twips) { return TwipsToPixels(twips, ScreenLogicalDpiY()); }

}  // namespace zx
