#pragma once
// The settings windows show a field that cannot be used disabled, with the
// menu colour as its background; a usable field has the window background.
#include <QColor>

class QWidget;

namespace zx {

QColor MenuColour();
QColor WindowColour();
// Enables or disables the field and gives it the matching background.
void SetFieldUsable(QWidget* field, bool usable);

}  // namespace zx
