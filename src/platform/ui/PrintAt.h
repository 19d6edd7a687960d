#pragma once
// Prints a text at a position of the printer page given in twips from the
// top left corner of the printable area; the top of the text is at y.
class QPainter;
class QString;

namespace zx {

void PrintAt(QPainter& painter, int x, int y, const QString& text);

// The painter's device units for a twips value, horizontally and vertically.
double TwipsToDeviceX(const QPainter& painter, double twips);
double TwipsToDeviceY(const QPainter& painter, double twips);

}  // namespace zx
