#include "tools/orvelchart/OrvelChart.h"

#include "engine/ChartCommands.h"
#include "render/ChartPicture.h"
#include "placedb/CountryFinder.h"
#include "platform/AtomicFileWriter.h"
#include "render/ChartFonts.h"
#include "engine/ChartScene.h"
#include "tools/orvelchart/TableCommand.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceOffsetLookup.h"
#include "platform/Clock.h"
#include "platform/CommandLine.h"
#include "platform/ProgramFolder.h"
#include "platform/StderrMessageSink.h"
#include "platform/UserDataFolder.h"
#include "session/Session.h"
#include "tools/orvelchart/AafCommands.h"
#include "tools/orvelchart/BatchCommand.h"
#include "tools/orvelchart/ChartJson.h"

#include <QCoreApplication>

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

// Everything one command works with: the session built by the document's start-up and
// the messages it keeps, so that a command can tell whether the ephemeris refused a chart.
struct Run {
    Run(const Clock &clock, const QString &programFolder, const QString &dataFolder, PlaceDatabase::Variant variant)
        : session(clock, ui, notices, programFolder, dataFolder, variant)
    {
    }

    void printChart()
    {
        print(ChartJson::chart(session.engine, session.commands, session.document.settings()));
    }

    KeptMessageSink ui;
    StderrMessageSink notices; // not kept: a notice fails no chart of a batch
    Session session;
};

// A command of the table below: returns 0 or, after saying why, a failure status.
using Command = std::function<int(Run &, const QStringList &)>;

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

// The country named on the command line by name in any case or by code; nullopt
// after saying that it is unknown.
std::optional<CountryRecord> namedCountry(Run &r, const QString &command, const QString &text)
{
    std::vector<CountryRecord> list;
    r.session.places.LoadCountryList(list);
    if (const CountryRecord *country = CountryFinder::find(list, text))
        return *country;
    failure(QStringLiteral("%1: unknown country '%2'").arg(command, text));
    return std::nullopt;
}

// The place of a city in a named country; nullopt after saying which one is unknown.
std::optional<ChartPlace> namedPlace(Run &r, const QString &command, const QString &country, const QString &city)
{
    const std::optional<CountryRecord> record = namedCountry(r, command, country);
    if (!record)
        return std::nullopt;
    std::optional<ChartPlace> place = r.session.lookup.findPlace(record->name, city);
    if (!place)
        failure(QStringLiteral("%1: unknown city '%2' in %3").arg(command, city, record->name));
    return place;
}

// The chart commands: each computes its chart into the session's engine as the
// handheld program does.
struct ChartSpec {
    ChartMode mode;
    int arguments;
    Command compute;
    Validator validate = [](const QStringList &) { return QString(); };
};

// A chart the ephemeris refuses fails after its message (already on standard error).
Command show(bool (ChartCommands::*command)())
{
    return [command](Run &r, const QStringList &) { return (r.session.commands.*command)() ? 0 : Failed; };
}

int computeTransit(Run &r, const QStringList &)
{
    return r.session.commands.showRadixI() && r.session.commands.showTransit() ? 0 : Failed;
}

int computeSolar(Run &r, const QStringList &args)
{
    int year = 0;
    parseYear(args[0], year);
    if (!r.session.commands.showRadixI())
        return Failed;
    const std::optional<ChartPlace> place = namedPlace(r, QStringLiteral("solar"), args[1], args[2]);
    if (!place)
        return Failed;
    r.ui.take();
    if (r.session.commands.showSolar(year, *place))
        return 0;
    // The ephemeris has said why; a failed time-zone lookup is silent.
    if (!r.ui.take().isEmpty())
        return Failed;
    return failure(QStringLiteral("solar: the time zone of '%1' could not be looked up").arg(args[2]));
}

const std::map<QString, ChartSpec> &chartTable()
{
    static const std::map<QString, ChartSpec> table = {
        {QStringLiteral("radix1"), {ChartMode::RadixI, 0, show(&ChartCommands::showRadixI)}},
        {QStringLiteral("radix2"), {ChartMode::RadixII, 0, show(&ChartCommands::showRadixII)}},
        {QStringLiteral("composite"), {ChartMode::Composite, 0, show(&ChartCommands::showComposite)}},
        {QStringLiteral("synastry"), {ChartMode::Synastry, 0, show(&ChartCommands::showSynastry)}},
        {QStringLiteral("transit"), {ChartMode::Transit, 0, computeTransit}},
        {QStringLiteral("solar"), {ChartMode::Solar, 3, computeSolar, invalidYear}},
    };
    return table;
}

// A chart command with its arguments at the front of `args`; says what is wrong, or
// nothing, and leaves the command's own options in `rest`.
QString invalidChart(const QString &user, const QStringList &args, QStringList *rest = nullptr)
{
    if (args.isEmpty())
        return QStringLiteral("%1: a chart command is missing").arg(user);
    const auto chart = chartTable().find(args[0]);
    if (chart == chartTable().end())
        return QStringLiteral("%1: unknown chart command '%2'").arg(user, args[0]);
    const QStringList chartArguments = args.mid(1, chart->second.arguments);
    if (chartArguments.size() < chart->second.arguments)
        return QStringLiteral("%1: wrong number of arguments for '%2'").arg(user, args[0]);
    if (const QString problem = chart->second.validate(chartArguments); !problem.isEmpty())
        return problem;
    if (rest)
        *rest = args.mid(1 + chart->second.arguments);
    return {};
}

int computeChart(Run &r, const QStringList &args)
{
    const ChartSpec &chart = chartTable().at(args[0]);
    return chart.compute(r, args.mid(1, chart.arguments));
}

int printedChart(Run &r, const QStringList &args)
{
    const int status = computeChart(r, args);
    if (status == 0)
        r.printChart();
    return status;
}

int countries(Run &r, const QStringList &)
{
    std::vector<CountryRecord> list;
    r.session.places.LoadCountryList(list);
    print(ChartJson::countries(list));
    return 0;
}

int places(Run &r, const QStringList &args)
{
    const std::optional<CountryRecord> country = namedCountry(r, QStringLiteral("places"), args[0]);
    if (!country)
        return Failed;
    std::vector<PlaceRecord> list;
    r.session.places.LoadPlaces(list, country->code, args[1]);
    print(ChartJson::places(list));
    return 0;
}

int timeZone(Run &r, const QStringList &args)
{
    const DateTime moment = DateTime::fromText(args[2]);
    const std::optional<ChartPlace> place = namedPlace(r, QStringLiteral("tz"), args[0], args[1]);
    if (!place)
        return Failed;
    double offset = 0.0;
    const bool ok = r.session.lookup.offsetAt(*place, moment, offset);
    // The desktop program never tells of clock changes.
    std::optional<ClockChange> change;
    if (ok && r.session.places.variant() == PlaceDatabase::Variant::Handheld)
        r.session.places.GetClockChange(moment, place->tableCode, place->zone, change);
    print(ChartJson::offset(ok, offset, change));
    return 0;
}

int lastCountry(Run &r, const QStringList &args)
{
    if (!args.isEmpty()) {
        const std::optional<CountryRecord> country = namedCountry(r, QStringLiteral("lastcountry"), args[0]);
        if (!country)
            return Failed;
        r.session.places.SaveLastCountry(country->name);
        return 0;
    }
    QString name;
    r.session.places.LoadLastCountry(name);
    if (!name.isEmpty())
        std::printf("%s\n", name.toUtf8().constData());
    return 0;
}

// render COMMAND [ARGS] (--png FILE | --svg FILE) [--scale N]
struct RenderOptions {
    QString file;
    bool svg = false;
    int scale = 1;
};

QString parseRenderOptions(const QStringList &options, RenderOptions &out)
{
    bool haveFile = false;
    for (qsizetype i = 0; i < options.size(); i += 2) {
        const QString &option = options[i];
        if (i + 1 >= options.size())
            return QStringLiteral("render: %1 needs a value").arg(option);
        const QString &value = options[i + 1];
        if (option == QStringLiteral("--png") || option == QStringLiteral("--svg")) {
            if (haveFile)
                return QStringLiteral("render: give one of --png and --svg");
            haveFile = true;
            out.file = value;
            out.svg = option == QStringLiteral("--svg");
        } else if (option == QStringLiteral("--scale")) {
            bool ok = false;
            out.scale = value.toInt(&ok);
            if (!ok || out.scale < 1 || out.scale > 8)
                return QStringLiteral("render: --scale must be a number from 1 to 8, not '%1'").arg(value);
        } else {
            return QStringLiteral("render: unknown option '%1'").arg(option);
        }
    }
    return haveFile ? QString() : QStringLiteral("render: --png FILE or --svg FILE is missing");
}

QString invalidRender(const QStringList &args)
{
    QStringList options;
    if (const QString problem = invalidChart(QStringLiteral("render"), args, &options); !problem.isEmpty())
        return problem;
    RenderOptions render;
    return parseRenderOptions(options, render);
}

int render(Run &r, const QStringList &args)
{
    QStringList options;
    invalidChart(QStringLiteral("render"), args, &options);
    RenderOptions target;
    parseRenderOptions(options, target);
    if (const int status = computeChart(r, args); status != 0)
        return status;
    const QString &folder = r.session.programFolder;
    ChartFonts::registerSymbolFont(folder);
    const ChartScene scene = r.session.scene();
    const QByteArray picture =
        target.svg ? ChartPicture::svg(scene, target.scale, folder + u'/' + ChartFonts::SymbolFile)
                   : ChartPicture::png(scene, target.scale);
    const Result<> written = AtomicFileWriter::standard().write(target.file, picture);
    if (!written)
        return failure(QStringLiteral("render: %1").arg(written.message()));
    return 0;
}

// table WINDOW CHART [ARGS] [--text]
QString invalidTable(const QStringList &args)
{
    QStringList options;
    if (const QString problem = invalidChart(QStringLiteral("table"), args.mid(1), &options); !problem.isEmpty())
        return problem;
    if (!options.isEmpty() && options != QStringList{QStringLiteral("--text")})
        return QStringLiteral("table: unknown option '%1'").arg(options.front());
    return TableCommand::invalidWindow(args[0], chartTable().at(args[1]).mode);
}

int informationTable(Run &r, const QStringList &args)
{
    if (const int status = computeChart(r, args.mid(1)); status != 0)
        return status;
    TableCommand::print(args[0], r.session.scene(), args.back() == QStringLiteral("--text"));
    return 0;
}

int save(Run &r, const QStringList &)
{
    const bool horoscopesSaved = r.session.document.saveHoroscopes();
    const bool settingsSaved = r.session.document.saveSettings();
    return horoscopesSaved && settingsSaved ? 0 : Failed;
}

const std::map<QString, CommandSpec> &commandTable()
{
    static const std::map<QString, CommandSpec> table = [] {
        std::map<QString, CommandSpec> commands = {
        {QStringLiteral("render"), {1, 8, render, invalidRender}},
        {QStringLiteral("horoscopes"), {0, 0, [](Run &r, const QStringList &) {
             print(ChartJson::horoscopes(r.session.document.horoscopes()));
             return 0;
         }}},
        {QStringLiteral("settings"), {0, 0, [](Run &r, const QStringList &) {
             print(ChartJson::settings(r.session.document.settings()));
             return 0;
         }}},
        {QStringLiteral("save"), {0, 0, save}},
        {QStringLiteral("countries"), {0, 0, countries}},
        {QStringLiteral("places"), {2, 2, places}},
        {QStringLiteral("tz"), {3, 3, timeZone, invalidMoment}},
        {QStringLiteral("lastcountry"), {0, 1, lastCountry}},
        {QStringLiteral("table"), {2, 6, informationTable, invalidTable}},
        {QStringLiteral("batch"), {1, 7, [](Run &r, const QStringList &args) {
             const Session &s = r.session;
             return BatchCommand::run({s.document.horoscopes(), s.document.settings(), s.clock, r.session.lookup,
                                       s.document.horoscopeFile(), s.document.ephemerisFolder(), s.programFolder},
                                      args, s.clock.now());
         }, BatchCommand::invalid}},
        {QStringLiteral("import"), {1, 1, [](Run &r, const QStringList &args) {
             return AafCommands::importFile(r.session.document.horoscopeFile(), r.session.lookup, args, r.session.clock.now());
         }}},
        {QStringLiteral("export"), {1, 2, [](Run &r, const QStringList &args) {
             return AafCommands::exportFile(r.session.document.horoscopeFile(), r.session.lookup, args, r.session.clock.now());
         }, AafCommands::invalidExport}},
        };
        for (const auto &[name, chart] : chartTable())
            commands[name] = {chart.arguments, chart.arguments, [name](Run &r, const QStringList &args) {
                                  return printedChart(r, QStringList{name} + args);
                              }, chart.validate};
        return commands;
    }();
    return table;
}

// Each command with its arguments and what it prints, for --help.
QString commandHelp()
{
    static const char *const lines[][2] = {
        {"radix1 | radix2 | composite | synastry | transit", "the chart as the handheld program computes it"},
        {"solar YEAR COUNTRY CITY", "the solar return of Radix I in YEAR at a place"},
        {"render CHART [ARGS] (--png FILE | --svg FILE) [--scale N]", "the wheel of a chart as a picture"},
        {"table WINDOW CHART [ARGS] [--text]", "an information window's cells (houses, planets, elements, "
                                                 "qualities, aspects), as JSON or aligned text"},
        {"horoscopes", "the stored horoscopes"},
        {"settings", "the settings, named after the file's keys"},
        {"save", "rewrites the horoscope and settings files"},
        {"countries", "the countries of the place database"},
        {"places COUNTRY PREFIX", "the places of a country whose names begin with PREFIX"},
        {"tz COUNTRY CITY \"DD.MM.YYYY HH:MM:SS\" [--desktop]", "the offset from universal time at a place and moment"},
        {"lastcountry [COUNTRY]", "prints or sets the last-used country"},
        {"batch (radix | table WINDOW | render (--svg DIR | --png DIR)) [--from FILE] [--jobs N]",
         "the Radix I chart, a table or a picture for every horoscope of the file or of FILE (.xml or .aaf), "
         "in N threads (default: one per core), printed in file order"},
        {"import FILE.aaf", "appends the horoscopes of an AAF file"},
        {"export FILE.aaf [--utf8]", "writes the stored horoscopes as an AAF file"},
    };
    QString text;
    for (const auto &[synopsis, meaning] : lines)
        text += QStringLiteral("  %1\n      %2\n").arg(QLatin1StringView(synopsis), QLatin1StringView(meaning));
    return text;
}

} // namespace

bool OrvelChart::paints(const QStringList &arguments)
{
    qsizetype i = 0;
    while (i < arguments.size() && arguments[i].startsWith(QStringLiteral("--")))
        i += 2;
    return i < arguments.size()
        && (arguments[i] == QStringLiteral("render")
            || (arguments[i] == QStringLiteral("batch") && BatchCommand::paints(arguments.mid(i + 1))));
}

int OrvelChart::run(QStringList arguments)
{
    CommandLine line(QStringLiteral("orvelchart"),
                     QStringLiteral("Runs the handheld program's start-up in a program folder, then one command, "
                                    "and prints its result as JSON.\n\nCommands:\n") + commandHelp());
    const QCommandLineOption root = CommandLine::rootOption();
    const QCommandLineOption now = CommandLine::nowOption();
    line.parser().addOptions({root, now});
    line.parser().addPositionalArgument(QStringLiteral("command"), QStringLiteral("One of the commands above."),
                                        QStringLiteral("COMMAND [ARGS]"));
    // Everything from the command on is the command's own, options included.
    line.parser().setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QString problem;
    if (!line.parse(arguments, problem))
        return usage(problem);
    if (const QString reply = line.reply(); !reply.isEmpty()) {
        std::fputs(reply.toLocal8Bit().constData(), stdout);
        return 0;
    }
    Clock clock;
    const QString programFolder = ProgramFolder::resolve(line.parser().value(root));
    if (line.parser().isSet(now)) {
        const QString value = line.parser().value(now);
        const DateTime moment = DateTime::fromText(value);
        if (value.size() != 19 || !moment.isValid())
            return usage(QStringLiteral("--now: '%1' is not a date \"DD.MM.YYYY HH:MM:SS\"").arg(value));
        clock.fix(moment);
    }
    arguments = line.parser().positionalArguments();
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

    // The user's files lie where the handheld program keeps them: beside it, or in the
    // user's data folder when the program folder is read-only.
    QCoreApplication::setApplicationName(QStringLiteral("OrvelWin"));
    Run run(clock, programFolder, UserDataFolder::choose(programFolder), variant);
    return spec.run(run, arguments);
}

} // namespace orvel
