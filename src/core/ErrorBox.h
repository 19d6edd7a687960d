#pragma once
// The plain error box: the text, the title "Error" ("错误"), a stop icon and OK.
#include <QString>

class QWidget;

namespace zx {

void ShowErrorBox(const QString& text, QWidget* parent = nullptr);

}  // namespace zx
