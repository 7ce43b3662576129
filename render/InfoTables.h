#pragma once

#include "render/InfoSnapshot.h"
#include "render/InfoTable.h"
#include "render/InfoWindow.h"
#include "render/ScoreRow.h"

#include <QCoreApplication>

#include <vector>

namespace orvel {

// The texts of the information windows, built from a snapshot: the dialogs show them
// and `orvelchart table` prints them, so both always agree.
class InfoTables {
    Q_DECLARE_TR_FUNCTIONS(orvel::InfoTables)

public:
    // "%02d° %02d' %02d''" of the absolute value, each unit's fraction dropped, never
    // carried into the next unit; "-" in front of a negative value.
    static QString degreeText(double degrees);

    // The window's title ("Houses", "Planets", "Elements", "Qualities", "Aspects").
    static QString title(InfoWindow window);
    // The name text above the window's contents; the aspect graphic's heading.
    static QString name(InfoWindow window, const InfoSnapshot &snapshot);

    static InfoTable houses(const InfoSnapshot &snapshot);
    static InfoTable planets(const InfoSnapshot &snapshot);
    // One row per aspect code; needs a snapshot taken for the aspect windows.
    static InfoTable aspects(const InfoSnapshot &snapshot);

    static std::vector<ScoreRow> elementRows(const InfoSnapshot &snapshot);
    static std::vector<ScoreRow> qualityRows(const InfoSnapshot &snapshot);
    // Score rows as a table: label, score text, the glyph characters of the points.
    static InfoTable scores(InfoWindow window, const InfoSnapshot &snapshot);

    // The table of any window but the aspect graphic, which shows the aspect table's.
    static InfoTable table(InfoWindow window, const InfoSnapshot &snapshot);
};

} // namespace orvel
