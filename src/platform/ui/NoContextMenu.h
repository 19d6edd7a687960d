#pragma once
class QWidget;

namespace zx {
// Entry text boxes never show the platform's edit menu on a right or middle
// click; everything else (typing, selecting, focus) works as usual.
void NoContextMenu(QWidget* textBox);
}
