#include "handheld/info/InformationWindows.h"

#include "render/AspectGridPainter.h"
#include "render/InfoTables.h"
#include "handheld/info/PaintedDialog.h"
#include "handheld/info/ReportDialog.h"
#include "render/ScoreRowsPainter.h"

#include <QGuiApplication>

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
        return std::make_unique<PaintedDialog>(
            title, InfoTables::name(window, snapshot),
            [rows, settings](QPainter &p) { ScoreRowsPainter::paint(p, rows, settings); }, scale, parent);
    }
    case Window::AspectsGraphic: {
        // The system window colour: the background of the report lists.
        const QColor window = QGuiApplication::palette().color(QPalette::Base);
        return std::make_unique<PaintedDialog>(
            title, std::nullopt, [snapshot, window](QPainter &p) { AspectGridPainter::paint(p, snapshot, window); },
            scale, parent);
    }
    case Window::Houses:
    case Window::Planets:
    case Window::AspectsTable:
        break;
    }
    return std::make_unique<ReportDialog>(InfoTables::table(window, snapshot), scale, parent);
}

} // namespace orvel
