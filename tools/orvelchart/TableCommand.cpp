#include "tools/orvelchart/TableCommand.h"

#include "handheld/chart/ChartScene.h"
#include "handheld/chart/CommandAvailability.h"
#include "handheld/info/InfoTables.h"
#include "tools/orvelchart/JsonWriter.h"

#include "engine/OffsetLookup.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace orvel {

namespace {

const QString TextOption = QStringLiteral("--text");

struct WindowName {
    InfoWindow window;
    CommandId command;
};

const std::map<QString, WindowName> &windows()
{
    static const std::map<QString, WindowName> table = {
        {QStringLiteral("houses"), {InfoWindow::Houses, CommandId::Houses}},
        {QStringLiteral("planets"), {InfoWindow::Planets, CommandId::Planets}},
        {QStringLiteral("elements"), {InfoWindow::Elements, CommandId::Elements}},
        {QStringLiteral("qualities"), {InfoWindow::Qualities, CommandId::Qualities}},
        {QStringLiteral("aspects"), {InfoWindow::AspectsTable, CommandId::AspectsTable}},
    };
    return table;
}

const std::map<QString, ChartMode> &chartCommands()
{
    static const std::map<QString, ChartMode> table = {
        {QStringLiteral("radix1"), ChartMode::RadixI},       {QStringLiteral("radix2"), ChartMode::RadixII},
        {QStringLiteral("solar"), ChartMode::Solar},         {QStringLiteral("composite"), ChartMode::Composite},
        {QStringLiteral("synastry"), ChartMode::Synastry},   {QStringLiteral("transit"), ChartMode::Transit},
    };
    return table;
}

const char *modeName(ChartMode mode)
{
    static constexpr const char *names[] = {"Radix I", "Radix II", "Solar", "Composite", "Synastry", "Transit"};
    return names[static_cast<int>(mode) - 1];
}

// The command's own arguments: without WINDOW, COMMAND and a trailing --text.
QStringList commandArguments(const QStringList &args)
{
    QStringList rest = args.mid(2);
    if (!rest.isEmpty() && rest.back() == TextOption)
        rest.removeLast();
    return rest;
}

bool parseYear(const QString &text, int &year)
{
    bool ok = false;
    year = text.toInt(&ok);
    return ok && year >= 100 && year <= 9999;
}

void printJson(const QString &window, ChartMode mode, const InfoTable &table)
{
    JsonWriter json;
    json.beginObject();
    json.member("window", window);
    json.member("mode", static_cast<int>(mode));
    json.member("title", table.title);
    json.member("name", table.name);
    json.key("columns");
    json.beginArray();
    for (const InfoTable::Column &column : table.columns)
        json.value(column.header);
    json.endArray();
    json.key("rows");
    json.beginArray();
    for (const QStringList &row : table.rows)
        json.array(row);
    json.endArray();
    json.endObject();
    std::printf("%s\n", json.text().constData());
}

// Title and name on a line each, then header and rows in columns two spaces apart,
// each as wide as its widest text.
void printText(const InfoTable &table)
{
    std::vector<qsizetype> widths;
    for (const InfoTable::Column &column : table.columns)
        widths.push_back(column.header.size());
    for (const QStringList &row : table.rows)
        for (qsizetype c = 0; c < row.size() && c < qsizetype(widths.size()); ++c)
            widths[c] = std::max(widths[c], row[c].size());

    const auto line = [&](const QStringList &cells) {
        QString text;
        for (qsizetype c = 0; c < cells.size() && c < qsizetype(widths.size()); ++c) {
            if (c > 0)
                text += QStringLiteral("  ");
            const int width = static_cast<int>(widths[c]);
            text += table.columns[c].rightAligned ? cells[c].rightJustified(width) : cells[c].leftJustified(width);
        }
        while (text.endsWith(u' '))
            text.chop(1);
        std::printf("%s\n", text.toUtf8().constData());
    };
    std::printf("%s\n%s\n", table.title.toUtf8().constData(), table.name.toUtf8().constData());
    QStringList headers;
    for (const InfoTable::Column &column : table.columns)
        headers.append(column.header);
    line(headers);
    for (const QStringList &row : table.rows)
        line(row);
}

} // namespace

QString TableCommand::invalid(const QStringList &args)
{
    const auto window = windows().find(args.value(0));
    if (window == windows().end())
        return QStringLiteral("table: unknown window '%1'; one of houses, planets, elements, qualities, aspects")
            .arg(args.value(0));
    const auto command = chartCommands().find(args.value(1));
    if (command == chartCommands().end())
        return QStringLiteral("table: unknown chart command '%1'; one of radix1, radix2, composite, synastry, transit, "
                              "solar YEAR COUNTRY CITY")
            .arg(args.value(1));
    const QStringList rest = commandArguments(args);
    const bool solar = command->second == ChartMode::Solar;
    if (rest.size() != (solar ? 3 : 0))
        return QStringLiteral("table: wrong number of arguments for '%1'").arg(command->first);
    int year = 0;
    if (solar && !parseYear(rest[0], year))
        return QStringLiteral("table: the year must be a number from 100 to 9999, not '%1'").arg(rest[0]);
    if (!isAvailable(window->second.command, command->second))
        return QStringLiteral("table: the %1 window is not available in %2")
            .arg(InfoTables::title(window->second.window), QString::fromLatin1(modeName(command->second)));
    return {};
}

int TableCommand::run(const QStringList &args, ChartCommands &commands, OffsetLookup &places, const ChartScene &scene)
{
    const WindowName window = windows().at(args[0]);
    const ChartMode mode = chartCommands().at(args[1]);
    const QStringList rest = commandArguments(args);
    // Solar and Transit start from the chart the user looks at; the program opens on Radix I.
    commands.showRadixI();
    switch (mode) {
    case ChartMode::RadixI: break;
    case ChartMode::RadixII: commands.showRadixII(); break;
    case ChartMode::Composite: commands.showComposite(); break;
    case ChartMode::Synastry: commands.showSynastry(); break;
    case ChartMode::Transit: commands.showTransit(); break;
    case ChartMode::Solar: {
        int year = 0;
        parseYear(rest[0], year);
        const std::optional<ChartPlace> place = places.findPlace(rest[1], rest[2]);
        if (!place) {
            std::fprintf(stderr, "orvelchart: table: unknown place '%s' in '%s'\n", rest[2].toLocal8Bit().constData(),
                         rest[1].toLocal8Bit().constData());
            return 1;
        }
        if (!commands.showSolar(year, *place)) {
            std::fprintf(stderr, "orvelchart: table: the time zone of '%s' could not be looked up\n",
                         rest[2].toLocal8Bit().constData());
            return 1;
        }
        break;
    }
    }
    const bool aspectWindow = window.window == InfoWindow::AspectsTable;
    const InfoTable table = InfoTables::table(window.window, InfoSnapshot::take(scene, aspectWindow));
    if (args.back() == TextOption)
        printText(table);
    else
        printJson(args[0], mode, table);
    return 0;
}

} // namespace orvel
