// Opening an information window as the user does: from the command (snapshot, texts,
// widgets) until its first paint has reached the screen, against opening an empty
// dialog of the same size, in alternating runs on the offscreen platform.
#include "support/ChartSceneFixture.h"
#include "handheld/info/InformationWindows.h"
#include "support/FirstPaint.h"
#include "support/Timing.h"

#include <QApplication>

#include <cstdio>
#include <memory>

using namespace orvel;
using orvel::bench::Samples;

namespace {

constexpr int Runs = 31;
constexpr double BoundUs = 50000; // 50 ms from the command to the first paint

// Opens the dialog `make` creates until its first paint is done.
template <typename Make>
bool openUntilPainted(Make make)
{
    const std::unique_ptr<QDialog> dialog = make();
    return bench::showUntilPainted(*dialog);
}

struct Figure {
    const char *what;
    InformationWindows::Window window;
    ChartMode mode;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Figure figures[] = {
        {"Houses window, Radix I, command to first paint", InfoWindow::Houses, ChartMode::RadixI},
        {"Planets window, Synastry, command to first paint", InfoWindow::Planets, ChartMode::Synastry},
        {"Elements window, Radix I, command to first paint", InfoWindow::Elements, ChartMode::RadixI},
        {"Qualities window, Composite, command to first paint", InfoWindow::Qualities, ChartMode::Composite},
        {"Aspects table, Transit, command to first paint", InfoWindow::AspectsTable, ChartMode::Transit},
        {"Aspects graphic, Synastry, command to first paint", InfoWindow::AspectsGraphic, ChartMode::Synastry},
    };
    bool ok = true;
    std::printf("Information windows (offscreen platform, scale 1)\n");
    for (const Figure &f : figures) {
        ChartSceneFixture charts;
        charts.show(f.mode);
        Samples window;
        Samples empty;
        for (int run = 0; run < Runs; ++run) {
            empty.time([&] {
                ok &= openUntilPainted([] {
                    auto dialog = std::make_unique<QDialog>();
                    dialog->setFixedSize(240, 300);
                    return dialog;
                });
            });
            window.time([&] {
                ok &= openUntilPainted([&] { return InformationWindows::create(f.window, charts.scene(), 1, nullptr); });
            });
        }
        bench::printCompared(f.what, window, "< 50 ms", BoundUs, "an empty dialog of the same size", empty);
    }
    if (!ok)
        std::fprintf(stderr, "a window was not painted within two seconds\n");
    return ok ? 0 : 1;
}
