#include "platform/Clock.h"

#include <QDateTime>

namespace orvel {

DateTime Clock::now() const
{
    if (m_fixed)
        return *m_fixed;
    const QDateTime local = QDateTime::currentDateTime();
    const QDate d = local.date();
    const QTime t = local.time();
    return DateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

double Clock::utcOffsetHours(const DateTime &local) const
{
    const QDate date(local.year(), local.month(), local.day());
    const QTime time(local.hour(), local.minute(), local.second());
    const QDateTime moment = m_zone ? QDateTime(date, time, *m_zone) : QDateTime(date, time, Qt::LocalTime);
    return moment.offsetFromUtc() / 3600.0;
}

} // namespace orvel
