#pragma once
// Twips on the screen, through the primary screen's logical DPI.
#include <QRect>

class QWidget;

namespace zx {

double ScreenLogicalDpiX();
double ScreenLogicalDpiY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
// A rectangle given in twips, in pixels.
QRect TwipsRect(int left, int top, int width, int height);
// Places a widget at a rectangle given in twips.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

}  // namespace zx
