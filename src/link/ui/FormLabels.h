#pragma once
// The labels the radio information dialog, the test window and the tuning
// dialogs are built from: each carries its object name, which the caption
// tables and the tests find it by.
#include <QString>

class QLabel;
class QWidget;

namespace zx {

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text = {});

// A value shown in a sunken panel, at least `minimumWidth` pixels wide.
QLabel* SunkenValue(QWidget* parent, const char* name, int minimumWidth, const QString& text = {});

}  // namespace zx
