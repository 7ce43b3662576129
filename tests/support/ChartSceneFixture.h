#pragma once

#include "engine/ChartCommands.h"
#include "engine/Ephemeris.h"
#include "engine/OffsetLookup.h"
#include "engine/ChartScene.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"

namespace orvel {

// Every place is found and lies one hour east of universal time.
class FixedOffsetLookup : public OffsetLookup {
public:
    std::optional<ChartPlace> findPlace(const QString &country, const QString &city)
    {
        return ChartPlace{city, country, QStringLiteral("48°08' N"), QStringLiteral("11°34' E"), QStringLiteral("D"), 0};
    }
    bool offsetAt(const ChartPlace &, const DateTime &, double &offset) override
    {
        offset = 1.0;
        return true;
    }
};

// Two horoscopes, the engine and the chart commands over them, on a fixed clock: the
// scene an information window is opened on.
class ChartSceneFixture {
public:
    ChartSceneFixture()
    {
        Ephemeris::setDataFolder(QStringLiteral(ORVEL_EPHE_DIR));
        clock.fix(DateTime(2024, 1, 1, 12, 0, 0));
        clock.fixZone(QTimeZone(QByteArrayLiteral("Europe/Berlin")));
        horoscopes = {record(QStringLiteral("First"), DateTime(1980, 4, 12, 9, 15, 0), QStringLiteral("52°31' N"),
                             QStringLiteral("13°24' E"), 2.0),
                      record(QStringLiteral("Second"), DateTime(1991, 11, 3, 22, 40, 0), QStringLiteral("34°36' S"),
                             QStringLiteral("58°22' W"), -3.0)};
    }

    // Runs the command of `mode` as the user would reach it: from Radix I.
    void show(ChartMode mode)
    {
        commands.showRadixI();
        switch (mode) {
        case ChartMode::RadixI: break;
        case ChartMode::RadixII: commands.showRadixII(); break;
        case ChartMode::Solar: commands.showSolar(2020, *places.findPlace(QStringLiteral("D"), QStringLiteral("Munich"))); break;
        case ChartMode::Composite: commands.showComposite(); break;
        case ChartMode::Synastry: commands.showSynastry(); break;
        case ChartMode::Transit: commands.showTransit(); break;
        }
    }

    ChartScene scene() const { return {engine, commands, settings, horoscopes}; }

    static HoroscopeRecord record(const QString &name, const DateTime &birth, const QString &latitude,
                                  const QString &longitude, double deltaGmt)
    {
        HoroscopeRecord r;
        r.name = name;
        r.birth = birth;
        r.city = name + QStringLiteral(" City");
        r.latitude = latitude;
        r.longitude = longitude;
        r.deltaGmt = deltaGmt;
        return r;
    }

    RecordingMessageSink sink;
    Clock clock;
    FixedOffsetLookup places;
    ChartSettings settings = ChartSettings::defaults();
    std::vector<HoroscopeRecord> horoscopes;
    ChartEngine engine{sink};
    ChartCommands commands{engine, horoscopes, settings, clock, places, sink};
};

} // namespace orvel
