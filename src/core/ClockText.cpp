#include "core/ClockText.h"

namespace zx {

namespace {
QString Two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }
}

QString StatusDateText(const QDate& date)
{
    return Two(date.month()) + '/' + Two(date.day()) + '/' + Two(date.year() - 2000);
}

QString StatusTimeText(const QTime& time)
{
    const int hour = time.hour();
    const bool pm = hour >= 12;
    const int shown = hour > 12 ? hour - 12 : hour;
    return Two(shown) + ':' + Two(time.minute()) + ':' + Two(time.second()) + (pm ? QStringLiteral(" PM") : QStringLiteral(" AM"));
}

}  // namespace zx
