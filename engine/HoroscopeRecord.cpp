#include "engine/HoroscopeRecord.h"

namespace orvel {

HoroscopeRecord HoroscopeRecord::createDefault(const DateTime &now)
{
    HoroscopeRecord record;
    record.name = QString::fromLatin1(DefaultHoroscopeName);
    record.birth = now;
    return record;
}

} // namespace orvel
