#include "handheld/info/InformationWindows.h"

#include "render/AspectGridPainter.h"
#include "render/InfoTables.h"
#include "handheld/info/PaintedDialog.h"
#include "handheld/info/ReportDialog.h"
#include "render/ScoreRowsPainter.h"

namespace orvel {

std::unique_ptr<QDialog> InformationWindows::create(Window window, const ChartScene &scene, int scale, QWidget *parent)
{
    const InfoSnapshot snapshot = InfoSnapshot::take(scene, window);
    const QString title = InfoTables::title(window);
    switch (window) {
    case Window::Elements:
    case Window::Qualities: {
        const std::vector<ScoreRow> rows =
            window == Window::Elements ? InfoTables::elementRows(snapshot) : InfoTables::qualityRows(snapshot);
        const ChartSettings &settings = snapshot.settings;
        const auto paint = [rows, settings](QPainter &p, const QPalette &) {
            ScoreRowsPainter::paint(p, rows, settings);
        };
        return std::make_unique<PaintedDialog>(title, InfoTables::name(window, snapshot), paint, scale, parent);
    }
    case Window::AspectsGraphic: {
        // The window's list background, as behind the report lists.
        const auto paint = [snapshot](QPainter &p, const QPalette &palette) {
            AspectGridPainter::paint(p, snapshot, palette.color(QPalette::Base));
        };
        return std::make_unique<PaintedDialog>(title, std::nullopt, paint, scale, parent);
    }
    case Window::Houses:
    case Window::Planets:
    case Window::AspectsTable:
        break;
    }
    return std::make_unique<ReportDialog>(InfoTables::table(window, snapshot), scale, parent);
}

} // namespace orvel
