#pragma once
// The date and time texts of the status bar.
#include <QDate>
#include <QTime>

namespace zx {

// "MM/DD/YY" with the year less 2000.
QString StatusDateText(const QDate& date);
// "hh:mm:ss AM" for hours 0-11, "hh:mm:ss PM" with hours 12-23 shown on a
// 12-hour dial from 12 to 11 (12:30 is "12:30:00 PM"; midnight stays "00").
QString StatusTimeText(const QTime& time);

}  // namespace zx
