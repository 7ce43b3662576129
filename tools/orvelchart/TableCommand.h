#pragma once

#include <QByteArray>
#include <QStringList>

namespace orvel {

struct ChartScene;
enum class ChartMode;

// `orvelchart table WINDOW COMMAND [ARGS] [--text]`: what an information window shows
// after a chart command, as one JSON object or, with --text, as an aligned table.
class TableCommand {
public:
    // What is wrong with a window name, or with opening it in `mode` (a window greyed
    // out there); nothing when it can open.
    static QString invalidWindow(const QString &window, ChartMode mode);

    // Prints the table of `window` over the chart that `scene` shows.
    static void print(const QString &window, const ChartScene &scene, bool asText);
    // The same table as the JSON object that print writes.
    static QByteArray json(const QString &window, const ChartScene &scene);
};

} // namespace orvel
