#pragma once

#include "placedb/ClockChange.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace orvel {

class ChartCommands;
class ChartEngine;
struct ChartSettings;
struct CountryRecord;
struct HoroscopeRecord;
struct PlaceRecord;

// The JSON texts that orvelchart prints: its contract with scripts and outside tests.
class ChartJson {
public:
    // Mode, current slot, the tables of all three slots, the aspect list, and the
    // element and quality scores of the current slot.
    static QByteArray chart(const ChartEngine &engine, const ChartCommands &commands, const ChartSettings &settings);
    static QByteArray horoscopes(const std::vector<HoroscopeRecord> &list);
    // Members named after the keys of orvel.xml.
    static QByteArray settings(const ChartSettings &settings);
    static QByteArray countries(const std::vector<CountryRecord> &list);
    static QByteArray places(const std::vector<PlaceRecord> &list);
    // `change`: the clock change the moment falls into, if any.
    static QByteArray offset(bool ok, double offset, const std::optional<ClockChange> &change);
};

} // namespace orvel
