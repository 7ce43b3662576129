#include "tools/orvelchart/OrvelChart.h"

#include "engine/ChartCommands.h"
#include "handheld/chart/ChartScene.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceOffsetLookup.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/StderrMessageSink.h"
#include "storage/COrvelWinDoc.h"
#include "tools/orvelchart/ChartJson.h"
#include "tools/orvelchart/TableCommand.h"

#include <cstdio>
#include <functional>
#include <map>

namespace orvel {

namespace {

constexpr int Failed = 1;
constexpr int Usage = 2;

int usage(const QString &problem)
{
    std::fprintf(stderr, "orvelchart: %s\n", problem.toLocal8Bit().constData());
    return Usage;
}

int failure(const QString &problem)
{
    std::fprintf(stderr, "orvelchart: %s\n", problem.toLocal8Bit().constData());
    return Failed;
}

void print(const QByteArray &json)
{
    std::fwrite(json.constData(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
}

bool parseYear(const QString &text, int &year)
{
    bool ok = false;
    year = text.toInt(&ok);
    return ok && year >= 100 && year <= 9999;
}

// Everything one command works with, built by the document's start-up.
struct Session {
    Session(const Clock &clock, PlaceDatabase::Variant variant)
        : document(clock, ui),
          places(ProgramFolder::file(QStringLiteral("OrvelDB")), ProgramFolder::file(QStringLiteral("LstCntry.dat")),
                 ui, variant),
          lookup(places), engine(ui), commands(engine, document.horoscopes(), document.settings(), clock, lookup, ui)
    {
        document.OnNewDocument();
    }

    void printChart() { print(ChartJson::chart(engine, commands, document.settings())); }

    StderrMessageSink ui;
    COrvelWinDoc document;
    PlaceDatabase places;
    PlaceOffsetLookup lookup;
    ChartEngine engine;
    ChartCommands commands;
};

using Command = std::function<int(Session &, const QStringList &)>;

// Says what is wrong with a command's arguments, or nothing; checked before start-up
// so that a usage error prints exactly one line.
using Validator = std::function<QString(const QStringList &)>;

struct CommandSpec {
    int minArguments;
    int maxArguments;
    Command run;
    Validator validate = [](const QStringList &) { return QString(); };
};

QString invalidYear(const QStringList &args)
{
    int year = 0;
    return parseYear(args[0], year) ? QString()
                                    : QStringLiteral("solar: the year must be a number from 100 to 9999, not '%1'").arg(args[0]);
}

QString invalidMoment(const QStringList &args)
{
    return args[2].size() == 19 && DateTime::fromText(args[2]).isValid()
        ? QString()
        : QStringLiteral("tz: '%1' is not a date \"DD.MM.YYYY HH:MM:SS\"").arg(args[2]);
}

int chartCommand(Session &s, void (ChartCommands::*show)())
{
    (s.commands.*show)();
    s.printChart();
    return 0;
}

int solar(Session &s, const QStringList &args)
{
    int year = 0;
    parseYear(args[0], year);
    s.commands.showRadixI();
    const std::optional<ChartPlace> place = s.lookup.findPlace(args[1], args[2]);
    if (!place)
        return failure(QStringLiteral("solar: unknown place '%1' in '%2'").arg(args[2], args[1]));
    if (!s.commands.showSolar(year, *place))
        return failure(QStringLiteral("solar: the time zone of '%1' could not be looked up").arg(args[2]));
    s.printChart();
    return 0;
}

int countries(Session &s, const QStringList &)
{
    std::vector<CountryRecord> list;
    s.places.LoadCountryList(list);
    print(ChartJson::countries(list));
    return 0;
}

int places(Session &s, const QStringList &args)
{
    std::vector<CountryRecord> countryList;
    s.places.LoadCountryList(countryList);
    QString code;
    for (const CountryRecord &c : countryList)
        if (c.name == args[0]) {
            code = c.code;
            break;
        }
    std::vector<PlaceRecord> list;
    s.places.LoadPlaces(list, code, args[1]);
    print(ChartJson::places(list));
    return 0;
}

int timeZone(Session &s, const QStringList &args)
{
    const DateTime moment = DateTime::fromText(args[2]);
    const std::optional<ChartPlace> place = s.lookup.findPlace(args[0], args[1]);
    if (!place)
        return failure(QStringLiteral("tz: unknown place '%1' in '%2'").arg(args[1], args[0]));
    double offset = 0.0;
    const bool ok = s.lookup.offsetAt(*place, moment, offset);
    print(ChartJson::offset(ok, offset));
    return 0;
}

int lastCountry(Session &s, const QStringList &args)
{
    if (!args.isEmpty()) {
        s.places.SaveLastCountry(args[0]);
        return 0;
    }
    QString name;
    s.places.LoadLastCountry(name);
    if (!name.isEmpty())
        std::printf("%s\n", name.toUtf8().constData());
    return 0;
}

int save(Session &s, const QStringList &)
{
    const bool horoscopesSaved = s.document.saveHoroscopes();
    const bool settingsSaved = s.document.saveSettings();
    return horoscopesSaved && settingsSaved ? 0 : Failed;
}

const std::map<QString, CommandSpec> &commandTable()
{
    static const std::map<QString, CommandSpec> table = {
        {QStringLiteral("radix1"), {0, 0, [](Session &s, const QStringList &) { return chartCommand(s, &ChartCommands::showRadixI); }}},
        {QStringLiteral("radix2"), {0, 0, [](Session &s, const QStringList &) { return chartCommand(s, &ChartCommands::showRadixII); }}},
        {QStringLiteral("composite"), {0, 0, [](Session &s, const QStringList &) { return chartCommand(s, &ChartCommands::showComposite); }}},
        {QStringLiteral("synastry"), {0, 0, [](Session &s, const QStringList &) { return chartCommand(s, &ChartCommands::showSynastry); }}},
        {QStringLiteral("transit"), {0, 0, [](Session &s, const QStringList &) {
             s.commands.showRadixI();
             return chartCommand(s, &ChartCommands::showTransit);
         }}},
        {QStringLiteral("solar"), {3, 3, solar, invalidYear}},
        {QStringLiteral("horoscopes"), {0, 0, [](Session &s, const QStringList &) {
             print(ChartJson::horoscopes(s.document.horoscopes()));
             return 0;
         }}},
        {QStringLiteral("settings"), {0, 0, [](Session &s, const QStringList &) {
             print(ChartJson::settings(s.document.settings()));
             return 0;
         }}},
        {QStringLiteral("save"), {0, 0, save}},
        {QStringLiteral("countries"), {0, 0, countries}},
        {QStringLiteral("places"), {2, 2, places}},
        {QStringLiteral("tz"), {3, 3, timeZone, invalidMoment}},
        {QStringLiteral("lastcountry"), {0, 1, lastCountry}},
        {QStringLiteral("table"), {2, 6, [](Session &s, const QStringList &args) {
             const ChartScene scene{s.engine, s.commands, s.document.settings(), s.document.horoscopes()};
             return TableCommand::run(args, s.commands, s.lookup, scene);
         }, TableCommand::invalid}},
    };
    return table;
}

} // namespace

int OrvelChart::run(QStringList arguments)
{
    Clock clock;
    while (!arguments.isEmpty() && arguments.front().startsWith(QStringLiteral("--"))) {
        const QString option = arguments.takeFirst();
        if (arguments.isEmpty())
            return usage(QStringLiteral("%1 needs a value").arg(option));
        const QString value = arguments.takeFirst();
        if (option == QStringLiteral("--root")) {
            ProgramFolder::setOverride(value);
        } else if (option == QStringLiteral("--now")) {
            const DateTime now = DateTime::fromText(value);
            if (value.size() != 19 || !now.isValid())
                return usage(QStringLiteral("--now: '%1' is not a date \"DD.MM.YYYY HH:MM:SS\"").arg(value));
            clock.fix(now);
        } else {
            return usage(QStringLiteral("unknown option '%1'").arg(option));
        }
    }
    if (arguments.isEmpty())
        return usage(QStringLiteral("no command; usage: orvelchart [--root DIR] [--now \"DD.MM.YYYY HH:MM:SS\"] COMMAND"));

    const QString name = arguments.takeFirst();
    auto variant = PlaceDatabase::Variant::Handheld;
    if (name == QStringLiteral("tz") && arguments.size() == 4 && arguments.back() == QStringLiteral("--desktop")) {
        arguments.removeLast();
        variant = PlaceDatabase::Variant::Desktop;
    }
    const auto command = commandTable().find(name);
    if (command == commandTable().end())
        return usage(QStringLiteral("unknown command '%1'").arg(name));
    const CommandSpec &spec = command->second;
    if (arguments.size() < spec.minArguments || arguments.size() > spec.maxArguments)
        return usage(QStringLiteral("wrong number of arguments for '%1'").arg(name));
    if (const QString problem = spec.validate(arguments); !problem.isEmpty())
        return usage(problem);

    Session session(clock, variant);
    return spec.run(session, arguments);
}

} // namespace orvel
