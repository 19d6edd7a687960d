#pragma once
class QWidget;

namespace zx {
// Entry text boxes never show the platform's edit menu on a right or middle
// click; everything else (typing, selecting, focus, the keyboard's menu key)
// works as usual. Calling it again on the same box changes nothing.
void NoContextMenu(QWidget* textBox);
}
