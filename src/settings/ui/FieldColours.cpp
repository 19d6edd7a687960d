#include "settings/ui/FieldColours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace zx {

QColor MenuColour() { return QApplication::palette("QMenu").color(QPalette::Active, QPalette::Window); }

QColor WindowColour() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }

void SetFieldUsable(QWidget* field, bool usable)
{
    field->setEnabled(usable);
    QPalette p = field->palette();
    const QColor background = usable ? WindowColour() : MenuColour();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
            p.setColor(group, role, background);
    field->setPalette(p);
}

}  // namespace zx
