#include "placedb/TimeTableRow.h"

namespace orvel {

bool TimeTableRow::startsAtOpenEnd() const
{
    return startKind == StartKind::Dated && start == DateTime(9999, 12, 31, 23, 59, 0);
}

bool TimeTableRow::startsAfter(const DateTime &moment) const
{
    return startKind == StartKind::Dated && start > moment;
}

} // namespace orvel
