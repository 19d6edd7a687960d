#include "link/ui/FormLabels.h"

#include <QLabel>

namespace zx {

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(parent);
    // Radio and file texts are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* SunkenValue(QWidget* parent, const char* name, int minimumWidth, const QString& text)
{
    QLabel* value = NamedLabel(parent, name, text);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setMinimumWidth(minimumWidth);
    return value;
}

}  // namespace zx
