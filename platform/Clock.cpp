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

} // namespace orvel
