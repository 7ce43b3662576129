#pragma once

#include "platform/StderrMessageSink.h"

#include <QStringList>

#include <vector>

namespace orvel {

class Clock;
class DateTime;
class PlaceOffsetLookup;
struct ChartSettings;
struct HoroscopeRecord;

// Messages on standard error, also kept until taken, so that a command can tell whether
// the ephemeris refused its chart.
class KeptMessageSink : public StderrMessageSink {
public:
    void showMessage(const QString &text) override;
    QStringList take();

private:
    QStringList m_kept;
};

// `orvelchart batch COMMAND [--from FILE] [--jobs N]`: the Radix chart of every horoscope
// of a file in one process, one JSON line (or picture) per horoscope.
//
//   batch radix                      {"index", "horoscope", "chart": what radix1 prints}
//   batch table WINDOW               {"index", "horoscope", "table": what table WINDOW radix1 prints}
//   batch render --svg DIR | --png DIR   DIR/NNNN-NAME.svg or .png, and {"index", "horoscope", "file"}
//
// The horoscopes are the Horoskop elements of horoskop.xml, or of FILE (another
// horoscope file, or an AAF file when its name ends in .aaf), in file order; no default
// horoscopes are added. One that the loader would drop, or whose chart fails, gives
// {"index", "horoscope", "error"} and the batch goes on. N threads (default: one per
// core) compute the charts; the output, standard error included, is written in file
// order and is the same for every N.
class BatchCommand {
public:
    // What the batch computes with: the program's settings, clock and places, and its
    // horoscope list, whose entry 0 each horoscope takes in turn in a copy per thread.
    struct Context {
        const std::vector<HoroscopeRecord> &horoscopes;
        const ChartSettings &settings;
        const Clock &clock;
        PlaceOffsetLookup &places;
        QString horoscopeFile;
        QString ephemerisFolder; // named when the positions come from the built-in ephemeris
        QString programFolder;   // where the symbol font lies
    };

    // What is wrong with the arguments, or nothing.
    static QString invalid(const QStringList &arguments);
    // Whether the arguments ask for pictures (which need a QGuiApplication).
    static bool paints(const QStringList &arguments);
    // 0 when every horoscope gave its chart, 1 when any failed or the file could not
    // be read.
    static int run(const Context &context, const QStringList &arguments, const DateTime &now);

    // "NNNN-NAME": the index with four digits, every character of the name other than
    // letters, digits, '-' and '_' replaced by '_'.
    static QString fileStem(int index, const QString &name);
};

} // namespace orvel
