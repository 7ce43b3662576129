#pragma once

#include "engine/ChartPlace.h"

#include <QString>

#include <cstdint>

namespace orvel {

// One line of a place file: six fields.
struct PlaceRecord {
    // Reads the six fields at `position` of a place file's text; missing fields are
    // empty, numbers without digits 0.
    static PlaceRecord read(const QChar *data, qsizetype length, qsizetype &position);

    // The place as a chart takes it, in the country of that name.
    ChartPlace chartPlace(const QString &countryName) const
    {
        return ChartPlace{name, countryName, latitude, longitude, tableCode, zone};
    }

    std::int32_t number = -1; // 0 marks a record that readers skip
    QString tableCode;        // selects the time table "Ttable_" + tableCode + ".txt"
    QString name;
    std::int32_t zone = 0;    // zone number within that time table
    QString latitude;         // coordinate text
    QString longitude;        // coordinate text

    friend bool operator==(const PlaceRecord &, const PlaceRecord &) = default;
};

} // namespace orvel
