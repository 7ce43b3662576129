#include "tools/orvelchart/TableCommand.h"

#include "engine/ChartScene.h"
#include "engine/CommandAvailability.h"
#include "render/InfoTables.h"
#include "tools/orvelchart/JsonWriter.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace orvel {

namespace {

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

const char *modeName(ChartMode mode)
{
    static constexpr const char *names[] = {"Radix I", "Radix II", "Solar", "Composite", "Synastry", "Transit"};
    return names[static_cast<int>(mode) - 1];
}

QByteArray tableJson(const QString &window, ChartMode mode, const InfoTable &table)
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
    return json.text();
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

// The cells of `window` (a name checked by invalidWindow) over `scene`.
InfoTable tableOf(const QString &window, const ChartScene &scene)
{
    const InfoWindow shown = windows().at(window).window;
    return InfoTables::table(shown, InfoSnapshot::take(scene, shown));
}

} // namespace

QString TableCommand::invalidWindow(const QString &window, ChartMode mode)
{
    const auto found = windows().find(window);
    if (found == windows().end())
        return QStringLiteral("table: unknown window '%1'; one of houses, planets, elements, qualities, aspects").arg(window);
    if (!isAvailable(found->second.command, mode))
        return QStringLiteral("table: the %1 window is not available in %2")
            .arg(InfoTables::title(found->second.window), QString::fromLatin1(modeName(mode)));
    return {};
}

void TableCommand::print(const QString &window, const ChartScene &scene, bool asText)
{
    if (asText)
        printText(tableOf(window, scene));
    else
        std::printf("%s\n", json(window, scene).constData());
}

QByteArray TableCommand::json(const QString &window, const ChartScene &scene)
{
    return tableJson(window, scene.mode(), tableOf(window, scene));
}

} // namespace orvel
