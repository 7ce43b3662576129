#pragma once

#include <QStringList>

namespace orvel {

class ChartCommands;
class OffsetLookup;
struct ChartScene;

// `orvelchart table WINDOW COMMAND [ARGS] [--text]`: runs a chart command, then prints
// what an information window shows for it, as one JSON object or, with --text, as an
// aligned table.
class TableCommand {
public:
    // What is wrong with the arguments (including a window greyed out in the command's
    // chart mode), or nothing.
    static QString invalid(const QStringList &args);

    // Runs the chart command on `commands` (which `scene` shows) and prints the
    // window's table. Returns 0, or 1 when a solar return's place cannot be used.
    static int run(const QStringList &args, ChartCommands &commands, OffsetLookup &places, const ChartScene &scene);
};

} // namespace orvel
