// The chart wheel as the user meets it: one paint of the single-chart and of the
// two-ring wheel into a 240 x 270 image, against clearing that image; and the launch
// of OrvelWin until its first wheel is painted, against the launch of an empty Qt
// window, both as child processes on the offscreen platform, in alternating runs.
#include "support/ChartSceneFixture.h"
#include "render/WheelPainter.h"
#include "render/ChartFonts.h"
#include "support/Timing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>

#include <cstdio>

using namespace orvel;
using orvel::bench::Samples;

namespace {

constexpr int PaintRuns = 201;
constexpr int LaunchRuns = 15;
constexpr double PaintBoundUs = 1000;      // one wheel paint: 1 ms
constexpr double LaunchExtraBoundUs = 150000; // launch to the first wheel: 150 ms beyond an empty window

void paintFigure(const char *what, ChartMode mode)
{
    ChartSceneFixture charts;
    charts.show(mode);
    QImage image(240, 270, QImage::Format_RGB32);
    Samples wheel;
    Samples cleared;
    for (int run = 0; run < PaintRuns; ++run) {
        cleared.time([&] {
            QPainter painter(&image);
            painter.fillRect(image.rect(), Qt::white);
        });
        wheel.time([&] {
            QPainter painter(&image);
            WheelPainter::paint(painter, charts.scene(), WheelColours::of(QGuiApplication::palette()));
        });
    }
    bench::printCompared(what, wheel, "<= 1 ms", PaintBoundUs, "clearing the same image", cleared);
}

// Wall time from starting `program` until it has exited; false when it failed.
bool launch(Samples &samples, const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    bool ok = false;
    samples.time([&] {
        process.start(program, arguments);
        ok = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    });
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ChartFonts::registerSymbolFont(QStringLiteral(ORVEL_PROGRAM_DIR));

    std::printf("Chart wheel (offscreen platform, scale 1)\n");
    paintFigure("Wheel paint, single chart (Radix I)", ChartMode::RadixI);
    paintFigure("Wheel paint, two rings (Synastry)", ChartMode::Synastry);

    Samples program;
    Samples empty;
    bool ok = true;
    const QStringList programArguments{QStringLiteral("--root"), QStringLiteral(ORVEL_PROGRAM_DIR), QStringLiteral("--now"),
                                       QStringLiteral("01.01.2024 12:00:00"), QStringLiteral("--quit-after-first-paint")};
    for (int run = 0; run < LaunchRuns; ++run) {
        ok &= launch(empty, QStringLiteral(BENCH_EMPTY_WINDOW), {});
        ok &= launch(program, QStringLiteral(ORVELWIN_BINARY), programArguments);
    }
    bench::printCompared("OrvelWin launch to the first painted wheel", program, "<= empty + 150 ms",
                         empty.median() + LaunchExtraBoundUs, "an empty Qt window to its first paint", empty);
    if (!ok)
        std::fprintf(stderr, "a launch failed\n");
    return ok ? 0 : 1;
}
