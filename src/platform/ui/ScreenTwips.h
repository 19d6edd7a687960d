#pragma once
// Twips on the screen, through the primary screen's logical DPI.

namespace zx {

double ScreenLogicalDpiX();
double ScreenLogicalDpiY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

}  // namespace zx
