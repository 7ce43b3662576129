#pragma once

#include <QString>

namespace orvel {

// A place chosen from the place database: where it is and which time-table zone
// gives its offset from universal time.
struct ChartPlace {
    QString city;
    QString country;
    QString latitude;  // coordinate text
    QString longitude; // coordinate text
    QString tableCode; // time table of the place
    int zone = 0;      // zone within that time table
};

} // namespace orvel
