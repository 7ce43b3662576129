// The orvelchart command line as outside scripts see it: a program folder in a
// temporary directory, the binary run as a separate process, JSON on standard output.
#include "../placedb/MaskedDatabase.h"

#include "engine/ChartCommands.h"
#include "engine/Ephemeris.h"
#include "engine/ChartScene.h"
#include "render/InfoTables.h"
#include "placedb/PlaceOffsetLookup.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"
#include "storage/HoroscopeFile.h"
#include "tools/orvelchart/JsonWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace orvel;

namespace {

// The computer's time zone for every run, far from the demo horoscopes' places.
constexpr const char *ComputerZone = "America/New_York";

struct ProcessResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonDocument json() const { return QJsonDocument::fromJson(out); }
};

const char *TwoHoroscopes =
    "<Orvel_Horoskop>"
    "<Horoskop ID=\"0\"><Name>First</Name><Date>12.04.1980 09:15:00</Date><City>Berlin</City>"
    "<Country>Deutschland</Country><Latitude>52\xc2\xb0" "31' N</Latitude><Longitude>13\xc2\xb0" "24' E</Longitude>"
    "<Delta_GMT>2.0000</Delta_GMT></Horoskop>"
    "<Horoskop ID=\"1\"><Name>Second</Name><Date>03.11.1991 22:40:00</Date><City>Nowhere</City>"
    "<Country>Atlantis</Country><Latitude>34 36 S</Latitude><Longitude>58 22 W</Longitude>"
    "<Delta_GMT>-3.0000</Delta_GMT></Horoskop>"
    "</Orvel_Horoskop>";

class OrvelChartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::link(QStringLiteral(ORVEL_EPHE_DIR), db.root() + QStringLiteral("/Ephem"));
        writeFile(QStringLiteral("horoskop.xml"), TwoHoroscopes);
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(db.root() + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    ProcessResult run(QStringList args)
    {
        args.prepend(db.root());
        args.prepend(QStringLiteral("--root"));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), QString::fromLatin1(ComputerZone)); // the zone of --now
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ORVELCHART_BINARY), args);
        process.waitForFinished(30000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    // The same chart computed in this process, for comparison with the printed one.
    ChartEngine &computeHere(bool (ChartCommands::*show)())
    {
        Ephemeris::setDataFolder(QStringLiteral(ORVEL_EPHE_DIR));
        horoscopes = HoroscopeFile::load(db.root() + QStringLiteral("/horoskop.xml"), clock.now()).value();
        PlaceDatabase places = db.open();
        PlaceOffsetLookup lookup(places);
        ChartCommands commands(engine, horoscopes, settings, clock, lookup, sink);
        (commands.*show)();
        return engine;
    }

    static void expectSlotsEqual(const QJsonArray &printed, const ChartEngine &engine)
    {
        ASSERT_EQ(printed.size(), 3);
        for (int s = 0; s < 3; ++s) {
            const QJsonObject slot = printed[s].toObject();
            ASSERT_EQ(slot[QStringLiteral("longitude")].toArray().size(), 13);
            ASSERT_EQ(slot[QStringLiteral("cusp")].toArray().size(), 12);
            for (int p = 0; p < 13; ++p) {
                // 17 significant digits: the very same double.
                EXPECT_EQ(slot[QStringLiteral("longitude")].toArray()[p].toDouble(), engine.slot(s).longitude[p]);
                EXPECT_EQ(slot[QStringLiteral("speed")].toArray()[p].toDouble(), engine.slot(s).speed[p]);
                EXPECT_EQ(slot[QStringLiteral("level")].toArray()[p].toDouble(), engine.slot(s).level[p]);
            }
            for (int h = 0; h < 12; ++h)
                EXPECT_EQ(slot[QStringLiteral("cusp")].toArray()[h].toDouble(), engine.slot(s).cusp[h]);
        }
    }

    static QStringList texts(const QJsonValue &array)
    {
        QStringList list;
        for (const QJsonValue &v : array.toArray())
            list.append(v.toString());
        return list;
    }

    MaskedDatabase db;
    Clock clock;
    RecordingMessageSink sink;
    ChartEngine engine{sink};
    ChartSettings settings = ChartSettings::defaults();
    std::vector<HoroscopeRecord> horoscopes;
};

QStringList aspectTexts(const ChartEngine &engine)
{
    QStringList list;
    for (const AspectCode &a : engine.aspects())
        list.append(a.text());
    return list;
}

} // namespace

TEST_F(OrvelChartTest, Radix1PrintsTheChartOfTheFirstHoroscope)
{
    const ProcessResult r = run({QStringLiteral("radix1")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject chart = r.json().object();
    EXPECT_EQ(chart[QStringLiteral("mode")].toInt(), 1);
    EXPECT_EQ(chart[QStringLiteral("slot")].toInt(), 0);
    const ChartEngine &here = computeHere(&ChartCommands::showRadixI);
    expectSlotsEqual(chart[QStringLiteral("slots")].toArray(), here);
    EXPECT_EQ(texts(chart[QStringLiteral("aspects")]), aspectTexts(here));
    EXPECT_EQ(chart[QStringLiteral("elements")].toArray().size(), 4);
    EXPECT_EQ(chart[QStringLiteral("qualities")].toArray().size(), 3);
    int total = 0;
    for (const QJsonValue &v : chart[QStringLiteral("elements")].toArray())
        total += v.toInt();
    EXPECT_EQ(total, 10 + 8 + 5 * 5 + 4 * 3 + 0 + 10 + 7);
}

TEST_F(OrvelChartTest, TwoChartCommandsFillTheirSlots)
{
    const ProcessResult composite = run({QStringLiteral("composite")});
    ASSERT_EQ(composite.exitCode, 0);
    EXPECT_EQ(composite.json()[QStringLiteral("mode")].toInt(), 4);
    EXPECT_EQ(composite.json()[QStringLiteral("slot")].toInt(), 2);
    expectSlotsEqual(composite.json()[QStringLiteral("slots")].toArray(), computeHere(&ChartCommands::showComposite));

    const ProcessResult synastry = run({QStringLiteral("synastry")});
    ASSERT_EQ(synastry.exitCode, 0);
    EXPECT_EQ(synastry.json()[QStringLiteral("mode")].toInt(), 5);
    EXPECT_EQ(synastry.json()[QStringLiteral("slot")].toInt(), 0);
    // Slot 2 is never written by a synastry.
    for (const QJsonValue &v : synastry.json()[QStringLiteral("slots")].toArray()[2].toObject()[QStringLiteral("longitude")].toArray())
        EXPECT_EQ(v.toDouble(), 0.0);
}

TEST_F(OrvelChartTest, WrongCommandsAndArgumentsExitWithStatusTwo)
{
    for (const QStringList &args : {QStringList{QStringLiteral("radix3")}, QStringList{},
                                    QStringList{QStringLiteral("radix1"), QStringLiteral("extra")},
                                    QStringList{QStringLiteral("--now"), QStringLiteral("31.02.2000 10:00:00"), QStringLiteral("radix1")},
                                    QStringList{QStringLiteral("--bogus"), QStringLiteral("radix1")},
                                    QStringList{QStringLiteral("radix1"), QStringLiteral("--now")},
                                    QStringList{QStringLiteral("solar"), QStringLiteral("next"), QStringLiteral("Deutschland"), QStringLiteral("Berlin")}}) {
        const ProcessResult r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1);
    }
}

// --help lists every command with its arguments; a command's own options after it are
// not taken for the tool's.
TEST_F(OrvelChartTest, HelpAndVersionAnswerWithoutRunning)
{
    const ProcessResult help = run({QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0);
    for (const char *command : {"radix1", "solar YEAR COUNTRY CITY", "render CHART", "table WINDOW CHART", "horoscopes",
                                "settings", "save", "countries", "places COUNTRY PREFIX", "tz COUNTRY CITY",
                                "lastcountry [COUNTRY]", "batch", "import FILE", "export FILE", "--root", "--now"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    const ProcessResult version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("orvelchart "));
    const ProcessResult table = run({QStringLiteral("table"), QStringLiteral("houses"), QStringLiteral("radix1"), QStringLiteral("--text")});
    EXPECT_EQ(table.exitCode, 0) << table.err.toStdString();
    const ProcessResult helpAfterCommand = run({QStringLiteral("radix1"), QStringLiteral("--help")});
    EXPECT_EQ(helpAfterCommand.exitCode, 2);
    EXPECT_EQ(helpAfterCommand.err.count('\n'), 1);
}

TEST_F(OrvelChartTest, FirstStartGetsTwoDefaultHoroscopesDatedNow)
{
    QFile::remove(db.root() + QStringLiteral("/horoskop.xml"));
    const ProcessResult r = run({QStringLiteral("--now"), QStringLiteral("08.12.2026 14:30:00"), QStringLiteral("horoscopes")});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonArray list = r.json().array();
    ASSERT_EQ(list.size(), 2);
    for (const QJsonValue &v : list) {
        EXPECT_EQ(v[QStringLiteral("name")].toString(), QStringLiteral("(New Horoscope)"));
        EXPECT_EQ(v[QStringLiteral("date")].toString(), QStringLiteral("08.12.2026 14:30:00"));
        EXPECT_EQ(v[QStringLiteral("delta_gmt")].toDouble(), 0.0);
    }
}

TEST_F(OrvelChartTest, DamagedFilesFallBackToDefaults)
{
    writeFile(QStringLiteral("horoskop.xml"), QByteArray("<Orvel_Horoskop><Horoskop><Name>cut off", 40));
    writeFile(QStringLiteral("orvel.xml"), QByteArray("\xff\xfe\x00\xd8garbage", 11));
    const ProcessResult horoscopesRun = run({QStringLiteral("horoscopes")});
    ASSERT_EQ(horoscopesRun.exitCode, 0);
    EXPECT_EQ(horoscopesRun.json().array().size(), 2);
    const ProcessResult settingsRun = run({QStringLiteral("settings")});
    ASSERT_EQ(settingsRun.exitCode, 0);
    EXPECT_EQ(settingsRun.json()[QStringLiteral("House_System")].toInt(), 1);
}

TEST_F(OrvelChartTest, SaveKeepsADamagedFileAndSaysWhereItIsDamaged)
{
    const QByteArray cut = QByteArray(TwoHoroscopes).left(QByteArray(TwoHoroscopes).indexOf("<Horoskop ID=\"1\"") + 30);
    writeFile(QStringLiteral("horoskop.xml"), cut);
    const ProcessResult r = run({QStringLiteral("save")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QString err = QString::fromLocal8Bit(r.err);
    EXPECT_TRUE(err.contains(QStringLiteral("horoskop.xml is damaged at character "))) << r.err.constData();
    EXPECT_TRUE(err.contains(QStringLiteral(" 1 horoscopes could be read."))) << r.err.constData();
    QFile kept(db.root() + QStringLiteral("/horoskop.xml.damaged"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), cut);
    const ProcessResult again = run({QStringLiteral("horoscopes")});
    ASSERT_EQ(again.json().array().size(), 2);
    EXPECT_EQ(again.json()[0][QStringLiteral("name")].toString(), QStringLiteral("First"));
    EXPECT_FALSE(QString::fromLocal8Bit(again.err).contains(QStringLiteral("damaged"))) << again.err.constData();
}

TEST_F(OrvelChartTest, SettingsAreNamedAfterTheFileKeys)
{
    writeFile(QStringLiteral("orvel.xml"),
              "<Orvel_Config><Asp_Grad Index=\"3\">150</Asp_Grad><Radix_Orbis Index1=\"12\" Index2=\"4\">11</Radix_Orbis>"
              "<Planet_Farbe Index=\"0\">RGB(1, 2, 3)</Planet_Farbe></Orvel_Config>");
    const ProcessResult r = run({QStringLiteral("settings")});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject s = r.json().object();
    EXPECT_EQ(s.size(), 14);
    EXPECT_EQ(s[QStringLiteral("Asp_Grad")].toArray()[3].toInt(), 150);
    EXPECT_EQ(s[QStringLiteral("Radix_Orbis")].toArray().size(), 13);
    EXPECT_EQ(s[QStringLiteral("Radix_Orbis")].toArray()[12].toArray()[4].toInt(), 11);
    EXPECT_EQ(s[QStringLiteral("Planet_Farbe")].toArray()[0].toInt(), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(s[QStringLiteral("Tier_Sign")].toArray()[9].toInt(), 76);
}

TEST_F(OrvelChartTest, SaveWritesBothFilesAsTheHandheldDoes)
{
    const ProcessResult r = run({QStringLiteral("save")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile horoscopeFile(db.root() + QStringLiteral("/horoskop.xml"));
    ASSERT_TRUE(horoscopeFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(horoscopeFile.readAll().startsWith("\xff\xfe<\0O\0"));
    EXPECT_TRUE(QFile::exists(db.root() + QStringLiteral("/orvel.xml")));
    const ProcessResult again = run({QStringLiteral("horoscopes")});
    EXPECT_EQ(again.json().array()[0][QStringLiteral("name")].toString(), QStringLiteral("First"));
    EXPECT_EQ(again.json().array()[1][QStringLiteral("delta_gmt")].toDouble(), -3.0);
}

TEST_F(OrvelChartTest, TransitTakesNowInTheComputersZone)
{
    const ProcessResult r = run({QStringLiteral("--now"), QStringLiteral("08.12.2026 14:30:00"), QStringLiteral("transit")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()[QStringLiteral("mode")].toInt(), 6);
    EXPECT_EQ(r.json()[QStringLiteral("slot")].toInt(), 0);
    clock.fix(DateTime(2026, 12, 8, 14, 30, 0));
    clock.fixZone(QTimeZone(ComputerZone));
    ChartEngine &here = computeHere(&ChartCommands::showRadixI);
    PlaceDatabase places = db.open();
    PlaceOffsetLookup lookup(places);
    ChartCommands commands(here, horoscopes, settings, clock, lookup, sink);
    commands.showTransit();
    expectSlotsEqual(r.json()[QStringLiteral("slots")].toArray(), here);
    EXPECT_EQ(texts(r.json()[QStringLiteral("aspects")]), aspectTexts(here));
}

TEST_F(OrvelChartTest, SolarReportsMomentAndPlace)
{
    const ProcessResult r = run({QStringLiteral("solar"), QStringLiteral("2030"), QStringLiteral("Deutschland"), QStringLiteral("Berlin")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()[QStringLiteral("mode")].toInt(), 3);
    const QJsonObject solar = r.json()[QStringLiteral("solar")].toObject();
    EXPECT_TRUE(solar[QStringLiteral("moment")].toString().startsWith(QStringLiteral("12.04.2030")))
        << solar[QStringLiteral("moment")].toString().toStdString();
    EXPECT_EQ(solar[QStringLiteral("city")].toString(), QStringLiteral("Berlin"));
    EXPECT_EQ(solar[QStringLiteral("latitude")].toString(), QStringLiteral("52\u00b031'N"));
    const QJsonArray chartSlots = r.json()[QStringLiteral("slots")].toArray();
    const double natalSun = chartSlots[2].toObject()[QStringLiteral("longitude")].toArray()[0].toDouble();
    const double solarSun = chartSlots[0].toObject()[QStringLiteral("longitude")].toArray()[0].toDouble();
    EXPECT_NEAR(solarSun, natalSun, 3.0 / 3600);
}

TEST_F(OrvelChartTest, UnknownCountryOrCityIsNamedAndFailsWithoutOutput)
{
    struct Case {
        QStringList args;
        QString message;
    };
    const Case cases[] = {
        {{u"solar"_qs, u"2030"_qs, u"Deutschland"_qs, u"Atlantis"_qs}, u"solar: unknown city 'Atlantis' in Deutschland"_qs},
        {{u"solar"_qs, u"2030"_qs, u"Deutschlnad"_qs, u"Berlin"_qs}, u"solar: unknown country 'Deutschlnad'"_qs},
        {{u"tz"_qs, u"d"_qs, u"Berlinn"_qs, u"01.07.2000 12:00:00"_qs}, u"tz: unknown city 'Berlinn' in Deutschland"_qs},
        {{u"tz"_qs, u"Germnay"_qs, u"Berlin"_qs, u"01.07.2000 12:00:00"_qs}, u"tz: unknown country 'Germnay'"_qs},
        {{u"places"_qs, u"Atlantis"_qs, u"b"_qs}, u"places: unknown country 'Atlantis'"_qs},
    };
    for (const Case &c : cases) {
        const ProcessResult r = run(c.args);
        EXPECT_EQ(r.exitCode, 1) << qPrintable(c.args.join(u' '));
        EXPECT_TRUE(r.out.isEmpty()) << qPrintable(c.args.join(u' '));
        // Start-up may have said more before (a missing orvel.xml); the last line is the lookup's.
        EXPECT_EQ(QString::fromLocal8Bit(r.err).trimmed().split(u'\n').last(), u"orvelchart: "_qs + c.message);
    }
}

TEST_F(OrvelChartTest, CountriesAndPlacesAsTheLoaderGivesThem)
{
    const ProcessResult countries = run({QStringLiteral("countries")});
    ASSERT_EQ(countries.exitCode, 0);
    QStringList codes;
    for (const QJsonValue &v : countries.json().array())
        codes.append(v[QStringLiteral("code")].toString());
    EXPECT_FALSE(codes.contains(QStringLiteral("USA")));
    ASSERT_GE(codes.size(), 4);
    EXPECT_TRUE(codes[0].startsWith(QStringLiteral("US")));

    const ProcessResult places = run({QStringLiteral("places"), QStringLiteral("Deutschland"), QStringLiteral("b")});
    ASSERT_EQ(places.exitCode, 0);
    const QJsonArray list = places.json().array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0][QStringLiteral("name")].toString(), QStringLiteral("Bad \"Alt\" Heide"));
    EXPECT_EQ(list[1][QStringLiteral("name")].toString(), QStringLiteral("Berlin"));
    EXPECT_EQ(list[1][QStringLiteral("zone")].toInt(), 11);
    EXPECT_EQ(list[1][QStringLiteral("table")].toString(), QStringLiteral("D"));
    EXPECT_EQ(list[1][QStringLiteral("number")].toInt(), 202);

    // A country is found by its name in any case or by its code.
    for (const QString &country : {u"deutschland"_qs, u"D"_qs}) {
        const ProcessResult same = run({QStringLiteral("places"), country, QStringLiteral("b")});
        EXPECT_EQ(same.exitCode, 0) << qPrintable(country);
        EXPECT_EQ(same.json().array(), list) << qPrintable(country);
    }
}

TEST_F(OrvelChartTest, TimeZoneOfACountryNamedByCode)
{
    const ProcessResult r = run({QStringLiteral("tz"), QStringLiteral("D"), QStringLiteral("Berlin"), QStringLiteral("01.07.1916 12:00:00")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()[QStringLiteral("offset")].toDouble(), 2.0);
}

TEST_F(OrvelChartTest, TimeZoneOfBothVariants)
{
    // Berlin, zone 11 of table D: summer time from 30.04.1916 23:00.
    const ProcessResult summer = run({QStringLiteral("tz"), QStringLiteral("Deutschland"), QStringLiteral("Berlin"), QStringLiteral("01.07.1916 12:00:00")});
    ASSERT_EQ(summer.exitCode, 0) << summer.err.toStdString();
    EXPECT_TRUE(summer.json()[QStringLiteral("ok")].toBool());
    EXPECT_EQ(summer.json()[QStringLiteral("offset")].toDouble(), 2.0);

    // Aachen, zone 1: before 1893 the earliest row hands over to table F (Paris mean time);
    // the desktop variant cannot read that row at all.
    const QStringList aachen{QStringLiteral("tz"), QStringLiteral("Deutschland"), QStringLiteral("Aachen"), QStringLiteral("01.07.1890 12:00:00")};
    const ProcessResult handheld = run(aachen);
    EXPECT_TRUE(handheld.json()[QStringLiteral("ok")].toBool());
    EXPECT_EQ(handheld.json()[QStringLiteral("offset")].toDouble(), 0.1558);
    const ProcessResult desktop = run(aachen + QStringList{QStringLiteral("--desktop")});
    EXPECT_FALSE(desktop.json()[QStringLiteral("ok")].toBool());
    EXPECT_EQ(desktop.json()[QStringLiteral("offset")].toDouble(), 0.0);

    EXPECT_EQ(run({QStringLiteral("tz"), QStringLiteral("Deutschland"), QStringLiteral("Berlin"), QStringLiteral("1916")}).exitCode, 2);
}

TEST_F(OrvelChartTest, TimeZoneTellsOfClockChanges)
{
    // Berlin, zone 11 of table D: clocks go back from MESZ to MEZ at 01.10.1916 01:00.
    const QStringList twice{QStringLiteral("tz"), QStringLiteral("Deutschland"), QStringLiteral("Berlin"),
                            QStringLiteral("01.10.1916 00:30:00")};
    const ProcessResult handheld = run(twice);
    ASSERT_EQ(handheld.exitCode, 0) << handheld.err.toStdString();
    const QJsonObject change = handheld.json()[QStringLiteral("clock_change")].toObject();
    EXPECT_EQ(change[QStringLiteral("kind")].toString(), QStringLiteral("repeated"));
    EXPECT_EQ(change[QStringLiteral("before")].toDouble(), 2.0);
    EXPECT_EQ(change[QStringLiteral("after")].toDouble(), 1.0);
    EXPECT_EQ(handheld.json()[QStringLiteral("offset")].toDouble(), 2.0);

    const ProcessResult desktop = run(twice + QStringList{QStringLiteral("--desktop")});
    EXPECT_TRUE(desktop.json()[QStringLiteral("clock_change")].isNull());
    const ProcessResult summer = run({QStringLiteral("tz"), QStringLiteral("Deutschland"), QStringLiteral("Berlin"),
                                      QStringLiteral("01.07.1916 12:00:00")});
    EXPECT_TRUE(summer.json()[QStringLiteral("clock_change")].isNull());
}

TEST_F(OrvelChartTest, LastCountryIsWrittenAndReadBack)
{
    EXPECT_TRUE(run({QStringLiteral("lastcountry")}).out.isEmpty());
    // Stored under the name the country list gives it, however it was typed.
    ASSERT_EQ(run({QStringLiteral("lastcountry"), QStringLiteral("\u00d6STERREICH")}).exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(run({QStringLiteral("lastcountry")}).out), QStringLiteral("\u00d6sterreich\n"));
    EXPECT_EQ(run({QStringLiteral("lastcountry"), QStringLiteral("Atlantis")}).exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run({QStringLiteral("lastcountry")}).out), QStringLiteral("\u00d6sterreich\n"));
}

namespace {

struct TableCase {
    const char *name;
    QStringList args; // after "table"
    InfoWindow window;
    bool (ChartCommands::*show)();
    int mode;
    const char *nameText;
};

class OrvelChartTableTest : public OrvelChartTest, public ::testing::WithParamInterface<TableCase> {
protected:
    // The window's table for the same chart computed in this process, reached from Radix I.
    InfoTable tableHere(InfoWindow window, bool (ChartCommands::*show)())
    {
        ChartEngine &here = computeHere(&ChartCommands::showRadixI);
        PlaceDatabase places = db.open();
        PlaceOffsetLookup lookup(places);
        ChartCommands commands(here, horoscopes, settings, clock, lookup, sink);
        commands.showRadixI();
        (commands.*show)();
        const ChartScene scene{here, commands, settings, horoscopes};
        return InfoTables::table(window, InfoSnapshot::take(scene, window));
    }
};

} // namespace

TEST_P(OrvelChartTableTest, PrintsTheCellsTheWindowShows)
{
    const TableCase &c = GetParam();
    const ProcessResult r = run(QStringList{QStringLiteral("--now"), QStringLiteral("08.12.2026 14:30:00"),
                                            QStringLiteral("table")} + c.args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject table = r.json().object();
    EXPECT_EQ(table[QStringLiteral("window")].toString(), c.args[0]);
    EXPECT_EQ(table[QStringLiteral("mode")].toInt(), c.mode);
    EXPECT_EQ(table[QStringLiteral("name")].toString(), QString::fromUtf8(c.nameText));

    clock.fix(DateTime(2026, 12, 8, 14, 30, 0));
    clock.fixZone(QTimeZone(ComputerZone));
    const InfoTable here = tableHere(c.window, c.show);
    EXPECT_EQ(table[QStringLiteral("title")].toString(), here.title);
    QStringList headers;
    for (const InfoTable::Column &column : here.columns)
        headers << column.header;
    EXPECT_EQ(texts(table[QStringLiteral("columns")]), headers);
    const QJsonArray rows = table[QStringLiteral("rows")].toArray();
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(here.rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(texts(rows[i]), here.rows[i]) << "row " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, OrvelChartTableTest,
    ::testing::Values(
        TableCase{"HousesRadixI", {"houses", "radix1"}, InfoWindow::Houses, &ChartCommands::showRadixI, 1, "First"},
        TableCase{"PlanetsSynastry", {"planets", "synastry"}, InfoWindow::Planets, &ChartCommands::showSynastry, 5,
                  "First / Second"},
        TableCase{"ElementsComposite", {"elements", "composite"}, InfoWindow::Elements, &ChartCommands::showComposite,
                  4, "First / Second"},
        TableCase{"QualitiesRadixII", {"qualities", "radix2"}, InfoWindow::Qualities, &ChartCommands::showRadixII, 2,
                  "Second"},
        TableCase{"AspectsTransit", {"aspects", "transit"}, InfoWindow::AspectsTable, &ChartCommands::showTransit, 6,
                  "First / Current transits"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(OrvelChartTest, TableOfASolarReturnAndOfAnUnknownPlace)
{
    const ProcessResult r = run({QStringLiteral("table"), QStringLiteral("elements"), QStringLiteral("solar"),
                                 QStringLiteral("2030"), QStringLiteral("Deutschland"), QStringLiteral("Berlin")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()[QStringLiteral("mode")].toInt(), 3);
    EXPECT_EQ(texts(r.json()[QStringLiteral("columns")]), (QStringList{"Element", "Score", "Points"}));
    int glyphs = 0;
    for (const QJsonValue &row : r.json()[QStringLiteral("rows")].toArray()) {
        EXPECT_EQ(row[1].toString().size(), 4);
        glyphs += row[2].toString().size();
    }
    EXPECT_EQ(glyphs, 13);

    const ProcessResult unknown = run({QStringLiteral("table"), QStringLiteral("houses"), QStringLiteral("solar"),
                                       QStringLiteral("2030"), QStringLiteral("Deutschland"), QStringLiteral("Atlantis")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.out.isEmpty());
}

TEST_F(OrvelChartTest, TableRefusesGreyedWindowsAndWrongArguments)
{
    const QStringList cases[] = {
        {"elements", "synastry"}, {"qualities", "transit"},   {"wheel", "radix1"},
        {"houses", "radix3"},     {"houses", "radix1", "x"}, {"houses", "solar", "2030", "Deutschland"},
        {"houses", "solar", "year", "Deutschland", "Berlin"}, {"houses"}};
    for (const QStringList &args : cases) {
        const ProcessResult r = run(QStringList{QStringLiteral("table")} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}

TEST_F(OrvelChartTest, TableAsAlignedText)
{
    const ProcessResult r = run({QStringLiteral("table"), QStringLiteral("planets"), QStringLiteral("radix1"),
                                 QStringLiteral("--text")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 1 + 13);
    EXPECT_EQ(lines[0], QStringLiteral("Planets"));
    EXPECT_EQ(lines[1], QStringLiteral("First"));
    const qsizetype sign = lines[2].indexOf(QStringLiteral("Sign"));
    const qsizetype motionEnd = lines[2].size(); // "Degree/Day" is right-aligned, the last column
    for (int p = 0; p < 13; ++p) {
        const QString &line = lines[3 + p];
        EXPECT_TRUE(line.contains(u'\u00b0')) << line.toStdString();
        EXPECT_NE(line.at(sign), u' ') << line.toStdString();
        EXPECT_EQ(line.at(sign - 1), u' ');
        if (p < 11) {
            EXPECT_EQ(line.size(), motionEnd) << line.toStdString();
        }
    }
}

struct RenderCase {
    const char *name;
    QStringList arguments;
    QSize size;
};

class RenderTest : public OrvelChartTest, public ::testing::WithParamInterface<RenderCase> {};

TEST_P(RenderTest, PngHasTheWheelsSizeTimesTheScale)
{
    const QString file = db.root() + QStringLiteral("/wheel.png");
    const ProcessResult r = run(QStringList{QStringLiteral("render")} + GetParam().arguments + QStringList{QStringLiteral("--png"), file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    const QImage image(file);
    EXPECT_EQ(image.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, RenderTest,
    ::testing::Values(RenderCase{"Radix1Default", {"radix1"}, {240, 270}},
                      RenderCase{"SynastryScale3", {"synastry", "--scale", "3"}, {720, 810}},
                      RenderCase{"SolarScale2", {"solar", "2030", "Deutschland", "Berlin", "--scale", "2"}, {480, 540}}),
    [](const ::testing::TestParamInfo<RenderCase> &info) { return info.param.name; });

TEST_F(OrvelChartTest, RenderSvgKeepsTextAndCarriesTheSymbolFont)
{
    QFile::link(QStringLiteral(ORVEL_PROGRAM_DIR "/OWSym.ttf"), db.root() + QStringLiteral("/OWSym.ttf"));
    const QString file = db.root() + QStringLiteral("/wheel.svg");
    const ProcessResult r = run({QStringLiteral("render"), QStringLiteral("composite"), QStringLiteral("--svg"), file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile svg(file);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("viewBox=\"0 0 240 270\""))) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("@font-face { font-family: 'OWSym'; src: url(data:font/ttf;base64,")));
    EXPECT_TRUE(text.contains(QStringLiteral(">Composite</text>")));
    EXPECT_TRUE(text.contains(QStringLiteral("font-family=\"OWSym\"")));
}

TEST_F(OrvelChartTest, RenderIntoAnUnwritableFileSaysWhichAndLeavesNothing)
{
    const QString file = db.root() + QStringLiteral("/no-such-folder/wheel.png");
    const ProcessResult r = run({QStringLiteral("render"), QStringLiteral("radix1"), QStringLiteral("--png"), file});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(file.toUtf8())) << r.err.toStdString();
    EXPECT_EQ(r.err.count("orvelchart"), 1) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(QDir(db.root() + QStringLiteral("/no-such-folder")).exists(), false);
}

TEST_F(OrvelChartTest, RenderWithWrongArgumentsSaysWhatInOneLine)
{
    const QList<QStringList> cases = {
        {"radix1"}, {"radix1", "--png"}, {"radix1", "--png", "a.png", "--svg", "a.svg"}, {"radix1", "--png", "a.png", "--scale", "0"},
        {"radix1", "--png", "a.png", "--scale", "x"}, {"radix3", "--png", "a.png"}, {"solar", "2030", "--png", "a.png"},
        {"radix1", "--jpg", "a.jpg"}, {}};
    for (const QStringList &args : cases) {
        const ProcessResult r = run(QStringList{QStringLiteral("render")} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}

namespace {

// Two good records (one placed through the database's time tables) and a bad date.
const char *ImportFile = "#A93:Meier,Anna,f,1.7.1980,12:00,Berlin,D\r\n"
                         "#A93:Bad,Date,m,30.2.1980,12:00,Berlin,D\r\n"
                         "#A93:M\xfcller,J\xf6rg,m,1.1.1990,8:15,Augsburg,D\r\n"
                         "#B93:2447892.802083,48n22,10e54,1he00,0\r\n";

QList<QJsonObject> jsonLines(const QByteArray &out)
{
    QList<QJsonObject> lines;
    for (const QByteArray &line : out.split('\n')) {
        if (!line.isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    }
    return lines;
}

} // namespace

TEST_F(OrvelChartTest, ImportAppendsTheGoodRecordsAndSaysWhyOthersWereSkipped)
{
    writeFile(QStringLiteral("in.aaf"), ImportFile);
    const ProcessResult r = run({QStringLiteral("import"), db.root() + QStringLiteral("/in.aaf")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<QJsonObject> lines = jsonLines(r.out);
    ASSERT_EQ(lines.size(), 3);
    const char *status[] = {"imported", "skipped", "imported"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i][QStringLiteral("record")].toInt(), i + 1);
        EXPECT_EQ(lines[i][QStringLiteral("status")].toString(), QLatin1String(status[i]));
    }
    EXPECT_EQ(lines[1][QStringLiteral("name")].toString(), QStringLiteral("Date Bad"));
    EXPECT_TRUE(lines[1][QStringLiteral("reason")].toString().contains(QStringLiteral("30.2.1980")));

    const QJsonArray list = run({QStringLiteral("horoscopes")}).json().array();
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[0][QStringLiteral("name")].toString(), QStringLiteral("First"));
    EXPECT_EQ(list[2][QStringLiteral("name")].toString(), QStringLiteral("Anna Meier"));
    EXPECT_EQ(list[2][QStringLiteral("latitude")].toString(), QStringLiteral("52\u00B031'N"));
    EXPECT_EQ(list[2][QStringLiteral("delta_gmt")].toDouble(), 1.0); // the fixture's tables know no summer time then
    EXPECT_EQ(list[3][QStringLiteral("name")].toString(), QStringLiteral("J\u00F6rg M\u00FCller"));
    EXPECT_EQ(list[3][QStringLiteral("date")].toString(), QStringLiteral("01.01.1990 08:15:00"));
}

TEST_F(OrvelChartTest, FailedImportLeavesTheHoroscopeFileAlone)
{
    QFile before(db.root() + QStringLiteral("/horoskop.xml"));
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray original = before.readAll();
    writeFile(QStringLiteral("bad.aaf"), "#A93:Bad,Date,m,30.2.1980,12:00,Berlin,D\n#B93:*,1n,2e,3he,0\n");
    writeFile(QStringLiteral("empty.aaf"), "");
    for (const char *file : {"bad.aaf", "empty.aaf", "missing.aaf"}) {
        const ProcessResult r = run({QStringLiteral("import"), db.root() + u'/' + QLatin1String(file)});
        EXPECT_EQ(r.exitCode, 1) << file;
        EXPECT_FALSE(r.err.isEmpty()) << file;
    }
    QFile after(db.root() + QStringLiteral("/horoskop.xml"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), original);
}

// A damaged horoscope file, cut off or holding a record with an impossible date: the
// import keeps the readable records, and the damaged file is kept beside it first.
TEST_F(OrvelChartTest, ImportIntoADamagedFileKeepsItBesideFirst)
{
    const struct {
        const char *name;
        QByteArray damaged;
        int kept;
    } cases[] = {
        {"cut off", "<Orvel_Horoskop><Horoskop><Name>Kept</Name><Date>01.02.1990 10:00:00</Date></Horoskop><Horoskop>cut", 1},
        {"bad date", "<Orvel_Horoskop><Horoskop><Name>Kept</Name><Date>01.02.1990 10:00:00</Date></Horoskop>"
                     "<Horoskop><Name>Odd</Name><Date>31.02.1990 10:00:00</Date></Horoskop></Orvel_Horoskop>", 1},
    };
    writeFile(QStringLiteral("in.aaf"), ImportFile);
    for (const auto &c : cases) {
        QFile::remove(db.root() + QStringLiteral("/horoskop.xml.damaged"));
        writeFile(QStringLiteral("horoskop.xml"), c.damaged);
        const ProcessResult r = run({QStringLiteral("import"), db.root() + QStringLiteral("/in.aaf")});
        EXPECT_EQ(r.exitCode, 0) << c.name << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("horoskop.xml.damaged")) << c.name << r.err.toStdString();
        QFile copy(db.root() + QStringLiteral("/horoskop.xml.damaged"));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_EQ(copy.readAll(), c.damaged) << c.name;
        const QJsonArray list = run({QStringLiteral("horoscopes")}).json().array();
        ASSERT_EQ(list.size(), c.kept + 2) << c.name;
        EXPECT_EQ(list[0][QStringLiteral("name")].toString(), QStringLiteral("Kept")) << c.name;
    }
}

TEST_F(OrvelChartTest, ImportIntoAMissingFileAddsNoDefaultRecords)
{
    QFile::remove(db.root() + QStringLiteral("/horoskop.xml"));
    writeFile(QStringLiteral("in.aaf"), ImportFile);
    ASSERT_EQ(run({QStringLiteral("import"), db.root() + QStringLiteral("/in.aaf")}).exitCode, 0);
    const QJsonArray list = run({QStringLiteral("horoscopes")}).json().array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0][QStringLiteral("name")].toString(), QStringLiteral("Anna Meier"));
}

TEST_F(OrvelChartTest, ExportWritesEveryStoredHoroscope)
{
    const QString out = db.root() + QStringLiteral("/out.aaf");
    const ProcessResult r = run({QStringLiteral("export"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<QJsonObject> lines = jsonLines(r.out);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1][QStringLiteral("status")].toString(), QStringLiteral("exported"));
    EXPECT_TRUE(lines[1][QStringLiteral("reason")].toString().contains(QStringLiteral("Atlantis")));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_EQ(written, QByteArray("#A93:First,*,*,12.4.1980,9:15,Berlin,D\r\n"
                                         "#B93:2444341.802083,52n31,13e24,2he00,0\r\n"
                                         "#A93:Second,*,*,3.11.1991,22:40,Nowhere,*\r\n"
                                         "#B93:2448564.569444,34s36,58w22,3hw00,0\r\n"));
    EXPECT_EQ(run({QStringLiteral("export"), out, QStringLiteral("--latin")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("export"), db.root() + QStringLiteral("/no/folder/out.aaf")}).exitCode, 1);
}

namespace {

QByteArray horoscopeElement(const char *name, const char *date, const char *latitude, const char *longitude, const char *delta)
{
    return QByteArray("<Horoskop><Name>") + name + "</Name><Date>" + date + "</Date><City>X</City><Country>Y</Country>"
        + "<Latitude>" + latitude + "</Latitude><Longitude>" + longitude + "</Longitude><Delta_GMT>" + delta
        + "</Delta_GMT></Horoskop>";
}

// Three horoscopes, the middle one with a date that the loader drops.
const QByteArray BatchElements[] = {
    horoscopeElement("Erste", "12.04.1980 09:15:00", "52 31 N", "13 24 E", "2.0"),
    horoscopeElement("Kaputt", "31.02.1990 10:00:00", "48 N", "11 E", "1.0"),
    horoscopeElement("Dritte/3", "03.11.1991 22:40:00", "34 36 S", "58 22 W", "-3.0"),
};

} // namespace

TEST_F(OrvelChartTest, BatchGivesEachHoroscopeTheChartOfItsOwnRadix1)
{
    writeFile(QStringLiteral("horoskop.xml"),
              "<Orvel_Horoskop>" + BatchElements[0] + BatchElements[1] + BatchElements[2] + "</Orvel_Horoskop>");
    const ProcessResult batch = run({QStringLiteral("batch"), QStringLiteral("radix")});
    EXPECT_EQ(batch.exitCode, 1);
    const ProcessResult tables = run({QStringLiteral("batch"), QStringLiteral("table"), QStringLiteral("planets")});
    EXPECT_EQ(tables.exitCode, 1);
    const QList<QJsonObject> lines = jsonLines(batch.out);
    const QList<QJsonObject> tableLines = jsonLines(tables.out);
    ASSERT_EQ(lines.size(), 3);
    ASSERT_EQ(tableLines.size(), 3);
    EXPECT_EQ(lines[1][QStringLiteral("index")].toInt(), 1);
    EXPECT_EQ(lines[1][QStringLiteral("horoscope")].toString(), QStringLiteral("Kaputt"));
    EXPECT_TRUE(lines[1][QStringLiteral("error")].toString().contains(QStringLiteral("31.02.1990")));
    EXPECT_FALSE(lines[1].contains(QStringLiteral("chart")));
    EXPECT_TRUE(tableLines[1].contains(QStringLiteral("error")));

    for (int i : {0, 2}) {
        // The same horoscope alone at entry 0, through the single commands.
        writeFile(QStringLiteral("horoskop.xml"), "<Orvel_Horoskop>" + BatchElements[i] + BatchElements[0] + "</Orvel_Horoskop>");
        const ProcessResult single = run({QStringLiteral("radix1")});
        const ProcessResult table = run({QStringLiteral("table"), QStringLiteral("planets"), QStringLiteral("radix1")});
        ASSERT_EQ(single.exitCode, 0);
        EXPECT_EQ(lines[i][QStringLiteral("index")].toInt(), i);
        EXPECT_EQ(lines[i][QStringLiteral("chart")].toObject(), single.json().object()) << i;
        EXPECT_EQ(tableLines[i][QStringLiteral("table")].toObject(), table.json().object()) << i;
    }
    EXPECT_EQ(lines[2][QStringLiteral("horoscope")].toString(), QStringLiteral("Dritte/3"));
}

TEST_F(OrvelChartTest, BatchReadsAnotherFileOrAnAafFileAndAddsNoDefaults)
{
    // The shipped ephemeris ends in 2399: the chart of the year 9000 fails, the batch goes on.
    writeFile(QStringLiteral("other.xml"),
              "<Orvel_Horoskop>" + horoscopeElement("Fern", "01.01.9000 10:00:00", "1 N", "1 E", "0") + BatchElements[2]
                  + "</Orvel_Horoskop>");
    const ProcessResult fromXml = run({QStringLiteral("batch"), QStringLiteral("radix"), QStringLiteral("--from"),
                                       db.root() + QStringLiteral("/other.xml")});
    EXPECT_EQ(fromXml.exitCode, 1);
    ASSERT_EQ(jsonLines(fromXml.out).size(), 2);
    EXPECT_TRUE(jsonLines(fromXml.out)[0][QStringLiteral("error")].toString().contains(QStringLiteral("not found")));
    EXPECT_EQ(jsonLines(fromXml.out)[1][QStringLiteral("horoscope")].toString(), QStringLiteral("Dritte/3"));
    EXPECT_TRUE(jsonLines(fromXml.out)[1].contains(QStringLiteral("chart")));

    writeFile(QStringLiteral("in.AAF"), ImportFile);
    const ProcessResult fromAaf = run({QStringLiteral("batch"), QStringLiteral("radix"), QStringLiteral("--from"),
                                       db.root() + QStringLiteral("/in.AAF")});
    EXPECT_EQ(fromAaf.exitCode, 1);
    const QList<QJsonObject> lines = jsonLines(fromAaf.out);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("chart")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("error")));
    EXPECT_EQ(lines[2][QStringLiteral("horoscope")].toString(), QStringLiteral("J\u00F6rg M\u00FCller"));

    // An AAF file without a record is refused before anything is written.
    writeFile(QStringLiteral("none.aaf"), "#: no record\n");
    const QString pictures = db.root() + QStringLiteral("/pictures");
    const ProcessResult noRecord = run({QStringLiteral("batch"), QStringLiteral("render"), QStringLiteral("--svg"),
                                        pictures, QStringLiteral("--from"), db.root() + QStringLiteral("/none.aaf")});
    EXPECT_EQ(noRecord.exitCode, 1);
    EXPECT_TRUE(noRecord.out.isEmpty());
    EXPECT_TRUE(noRecord.err.contains("holds no AAF record")) << noRecord.err.constData();
    EXPECT_FALSE(QFileInfo::exists(pictures));

    QFile::remove(db.root() + QStringLiteral("/horoskop.xml"));
    const ProcessResult none = run({QStringLiteral("batch"), QStringLiteral("radix")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.isEmpty());
}

TEST_F(OrvelChartTest, BatchRenderWritesOnePictureANumberedName)
{
    writeFile(QStringLiteral("horoskop.xml"), "<Orvel_Horoskop>" + BatchElements[2] + BatchElements[0] + "</Orvel_Horoskop>");
    const QString folder = db.root() + QStringLiteral("/pictures");
    const ProcessResult r = run({QStringLiteral("batch"), QStringLiteral("render"), QStringLiteral("--svg"), folder});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{u"0000-Dritte_3.svg"_qs, u"0001-Erste.svg"_qs}));
    QFile svg(folder + QStringLiteral("/0001-Erste.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    for (const QStringList &wrong : {QStringList{u"batch"_qs}, QStringList{u"batch"_qs, u"radix2"_qs},
                                     QStringList{u"batch"_qs, u"table"_qs, u"elementz"_qs},
                                     QStringList{u"batch"_qs, u"render"_qs},
                                     QStringList{u"batch"_qs, u"radix"_qs, u"--from"_qs}})
        EXPECT_EQ(run(wrong).exitCode, 2) << wrong.join(u' ').toStdString();
}

namespace {

// Enough horoscopes for several chunks of work per thread.
QByteArray manyElements(int count)
{
    QByteArray elements;
    for (int i = 0; i < count; ++i)
        elements += horoscopeElement(QByteArray("Nr ").append(QByteArray::number(i)).constData(),
                                     QByteArray::number(1 + i % 28).rightJustified(2, '0') + ".0"
                                         + QByteArray::number(1 + i % 9) + "." + QByteArray::number(1900 + i * 3)
                                         + " 10:00:00",
                                     "52 31 N", "13 24 E", "1.0");
    return elements;
}

// The same as AAF records, with coordinates and zone.
QByteArray manyRecords(int count)
{
    QByteArray records;
    for (int i = 0; i < count; ++i)
        records += "#A93:" + QByteArray::number(i) + ",Nr,*," + QByteArray::number(1 + i % 28) + "."
            + QByteArray::number(1 + i % 9) + "." + QByteArray::number(1900 + i * 3)
            + ",10:00,Berlin,D\r\n#B93:*,52n31,13e24,1he00,0\r\n";
    return records;
}

struct BatchFile {
    const char *name;
    const char *file;
    QByteArray content;
};

// A bad date and a chart beyond the shipped ephemeris between good ones, in a whole file,
// in one whose end is cut off and in an AAF file.
const BatchFile BatchFiles[] = {
    {"whole", "many.xml",
     "<Orvel_Horoskop>" + manyElements(70) + BatchElements[1]
         + horoscopeElement("Fern", "01.01.9000 10:00:00", "1 N", "1 E", "0") + manyElements(70) + "</Orvel_Horoskop>"},
    {"damaged_end", "many.xml",
     "<Orvel_Horoskop>" + manyElements(70) + BatchElements[1]
         + horoscopeElement("Fern", "01.01.9000 10:00:00", "1 N", "1 E", "0") + manyElements(70)
         + "<Horoskop><Name>Abgeschnitten</Name><Date>01.01.19"},
    {"aaf", "many.aaf",
     manyRecords(70) + "#A93:Bad,Date,m,30.2.1980,12:00,Berlin,D\r\n#A93:Fern,*,*,1.1.9000,10:00,*,*\r\n"
         + "#B93:*,1n00,1e00,0he00,0\r\n" + manyRecords(70)},
};

class OrvelChartBatchJobsTest : public OrvelChartTest, public ::testing::WithParamInterface<BatchFile> {};

} // namespace

TEST_P(OrvelChartBatchJobsTest, EveryNumberOfJobsPrintsTheSameInFileOrder)
{
    writeFile(QString::fromLatin1(GetParam().file), GetParam().content);
    const QStringList batch{u"batch"_qs, u"radix"_qs, u"--from"_qs, db.root() + u'/' + QString::fromLatin1(GetParam().file)};
    const ProcessResult one = run(batch + QStringList{u"--jobs"_qs, u"1"_qs});
    EXPECT_EQ(one.exitCode, 1);
    for (const QStringList &jobs : {QStringList{u"--jobs"_qs, u"2"_qs}, QStringList{u"--jobs"_qs, u"7"_qs}, QStringList{}}) {
        const ProcessResult other = run(batch + jobs);
        EXPECT_EQ(other.exitCode, one.exitCode) << jobs.join(u' ').toStdString();
        EXPECT_EQ(other.out, one.out) << jobs.join(u' ').toStdString();
        EXPECT_EQ(other.err, one.err) << jobs.join(u' ').toStdString();
    }
    const QList<QJsonObject> lines = jsonLines(one.out);
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i][QStringLiteral("index")].toInt(), i);
}

INSTANTIATE_TEST_SUITE_P(Files, OrvelChartBatchJobsTest, ::testing::ValuesIn(BatchFiles),
                         [](const ::testing::TestParamInfo<BatchFile> &info) { return std::string(info.param.name); });

TEST_F(OrvelChartTest, EveryBatchThreadReadsTheProgramsOwnEphemerisFolder)
{
    writeFile(QStringLiteral("many.xml"), "<Orvel_Horoskop>" + manyElements(100) + "</Orvel_Horoskop>");
    const QStringList batch{u"batch"_qs, u"radix"_qs, u"--from"_qs, db.root() + u"/many.xml"_qs};
    const ProcessResult withFiles = run(batch + QStringList{u"--jobs"_qs, u"1"_qs});
    // An empty Ephem folder: the library computes with its built-in ephemeris, while a
    // thread that kept the library's default folder would find the system's data files.
    ASSERT_TRUE(QFile::remove(db.root() + QStringLiteral("/Ephem")));
    ASSERT_TRUE(QDir(db.root()).mkdir(QStringLiteral("Ephem")));
    const ProcessResult one = run(batch + QStringList{u"--jobs"_qs, u"1"_qs});
    const ProcessResult two = run(batch + QStringList{u"--jobs"_qs, u"2"_qs});
    EXPECT_NE(one.out, withFiles.out);
    EXPECT_EQ(two.out, one.out);
    EXPECT_EQ(two.err, one.err);
}

TEST_F(OrvelChartTest, BatchJobsMustBeAPositiveNumber)
{
    for (const char *jobs : {"0", "-1", "x", "257"})
        EXPECT_EQ(run({u"batch"_qs, u"radix"_qs, u"--jobs"_qs, QString::fromLatin1(jobs)}).exitCode, 2) << jobs;
    EXPECT_EQ(run({u"batch"_qs, u"radix"_qs, u"--jobs"_qs, u"256"_qs}).exitCode, 0);
}

namespace {

struct JsonValueCase {
    const char *name;
    std::function<void(JsonWriter &)> write;
    QByteArray text;
};

const JsonValueCase JsonValues[] = {
    {"tenth_with_17_digits", [](JsonWriter &j) { j.value(0.1); }, "0.10000000000000001"},
    {"whole_degrees", [](JsonWriter &j) { j.value(360.0); }, "360"},
    {"small_with_exponent", [](JsonWriter &j) { j.value(1e-5); }, "1.0000000000000001e-05"},
    {"large_with_exponent", [](JsonWriter &j) { j.value(-1e20); }, "-1e+20"},
    {"not_a_number", [](JsonWriter &j) { j.value(std::nan("")); }, "null"},
    {"quotes_and_breaks", [](JsonWriter &j) { j.value(QStringLiteral("a\"b\\c\nd\te\r")); }, "\"a\\\"b\\\\c\\nd\\te\\r\""},
    {"control_character", [](JsonWriter &j) { j.value(QStringLiteral("x\x01\x1f")); }, "\"x\\u0001\\u001f\""},
    {"beyond_ascii", [](JsonWriter &j) { j.value(QStringLiteral("J\u00F6rg \u2648")); }, "\"J\xC3\xB6rg \xE2\x99\x88\""},
    {"members", [](JsonWriter &j) { j.beginObject(); j.member("a", 1); j.arrayMember("b", std::vector<double>{0.5, 2}); j.endObject(); },
     "{\"a\":1,\"b\":[0.5,2]}"},
};

class JsonWriterTest : public ::testing::TestWithParam<JsonValueCase> {};

} // namespace

TEST_P(JsonWriterTest, WritesTheTextScriptsRead)
{
    JsonWriter json;
    GetParam().write(json);
    EXPECT_EQ(json.text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, JsonWriterTest, ::testing::ValuesIn(JsonValues),
                         [](const ::testing::TestParamInfo<JsonValueCase> &info) { return std::string(info.param.name); });

namespace {

// A chart command over a horoscope the ephemeris refuses (the year 9000).
struct RefusedCommandCase {
    const char *name;
    QStringList arguments;
    int refusedEntry;
};
void PrintTo(const RefusedCommandCase &c, std::ostream *os) { *os << c.name; }

class RefusedChartCommandTest : public OrvelChartTest, public testing::WithParamInterface<RefusedCommandCase> {};

} // namespace

TEST_P(RefusedChartCommandTest, PrintsTheLibrarysMessageAndNoChart)
{
    QByteArray file(TwoHoroscopes);
    const char *dates[] = {"12.04.1980 09:15:00", "03.11.1991 22:40:00"};
    file.replace(dates[GetParam().refusedEntry], "12.04.9000 09:15:00");
    writeFile(QStringLiteral("horoskop.xml"), file);
    const QString picture = db.root() + QStringLiteral("/refused.png");
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("PICTURE"), picture);
    const ProcessResult r = run(arguments);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.constData();
    EXPECT_FALSE(r.err.trimmed().isEmpty());
    EXPECT_FALSE(r.err.contains("time zone")) << r.err.constData();
    EXPECT_FALSE(QFile::exists(picture));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RefusedChartCommandTest,
    testing::Values(RefusedCommandCase{"Radix1", {u"radix1"_qs}, 0},
                    RefusedCommandCase{"Radix2", {u"radix2"_qs}, 1},
                    RefusedCommandCase{"CompositeSecond", {u"composite"_qs}, 1},
                    RefusedCommandCase{"SynastrySecond", {u"synastry"_qs}, 1},
                    RefusedCommandCase{"Transit", {u"transit"_qs}, 0},
                    RefusedCommandCase{"Solar", {u"solar"_qs, u"2030"_qs, u"Deutschland"_qs, u"Berlin"_qs}, 0},
                    RefusedCommandCase{"Table", {u"table"_qs, u"planets"_qs, u"radix1"_qs}, 0},
                    RefusedCommandCase{"Render", {u"render"_qs, u"radix1"_qs, u"--png"_qs, u"PICTURE"_qs}, 0}),
    [](const testing::TestParamInfo<RefusedCommandCase> &info) { return std::string(info.param.name); });

// Without an Ephem folder the system's ephemeris files serve; an Ephem folder without
// the files leaves the built-in ephemeris: one line on standard error per run, naming
// the folder, and the charts as usual.
TEST_F(OrvelChartTest, BuiltInEphemerisIsNamedOnceOnStandardError)
{
    ASSERT_TRUE(QFile::remove(db.root() + QStringLiteral("/Ephem")));
    const QByteArray notice = "less exact built-in ephemeris";
    const ProcessResult system = run({QStringLiteral("radix1")});
    EXPECT_EQ(system.exitCode, 0);
    EXPECT_EQ(system.err.count(notice), 0) << system.err.constData();
    ASSERT_TRUE(QDir(db.root()).mkdir(QStringLiteral("Ephem")));
    const ProcessResult composite = run({QStringLiteral("composite")});
    EXPECT_EQ(composite.exitCode, 0);
    EXPECT_FALSE(composite.json().isNull());
    EXPECT_EQ(composite.err.count(notice), 1) << composite.err.constData();
    EXPECT_TRUE(composite.err.contains(QDir::toNativeSeparators(db.root() + QStringLiteral("/Ephem")).toLocal8Bit()));

    const ProcessResult batch = run({QStringLiteral("batch"), QStringLiteral("radix")});
    EXPECT_EQ(batch.exitCode, 0) << batch.err.constData();
    EXPECT_EQ(batch.err.count(notice), 1) << batch.err.constData();
    EXPECT_EQ(batch.out.count("\"chart\""), 2) << batch.out.constData();
}
