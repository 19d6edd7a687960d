#include "platform/ui/ScreenTwips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height)};
}

void PlaceTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsRect(left, top, width, height));
}

}  // namespace zx
