// The horoscope edit dialog on the generated world database, in the largest country
// (the largest place file) and its longest letter stretch: typing the first letter of a
// city (the city list reloaded, the first place taken over) against typing a second
// letter in the same field (no reload), and opening the dialog until its first paint
// against an empty dialog of the same size, in alternating runs on the offscreen platform.
#include "support/DatabaseSamples.h"
#include "support/FirstPaint.h"
#include "support/Timing.h"

#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"
#include "gui/CHoroscopeDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>

using namespace orvel;
using orvel::bench::Samples;
using orvel::bench::showUntilPainted;

namespace {

constexpr int Runs = 31;

void type(QWidget *field, QChar letter)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(field, &press);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ORVEL_PROGRAM_DIR "/OrvelDB");
    const QFileInfoList files = bench::largestFirst(folder, QStringLiteral("Orte_*.txt"));
    if (files.isEmpty()) {
        std::fprintf(stderr, "no generated database in %s\n", qPrintable(folder));
        return 1;
    }
    RecordingMessageSink sink;
    PlaceDatabase database(folder, QString(), sink);
    const QString code = bench::codeOf(files.front(), QStringLiteral("Orte_"));
    std::vector<CountryRecord> countries;
    database.LoadCountryList(countries);
    const auto country = std::find_if(countries.begin(), countries.end(), [&](const auto &c) { return c.code == code; });
    if (country == countries.end()) {
        std::fprintf(stderr, "no country of code %s\n", qPrintable(code));
        return 1;
    }
    const auto [letter, stretch] = bench::longestStretch(database, code);

    HoroscopeRecord record = HoroscopeRecord::createDefault(DateTime(1990, 6, 15, 12, 0, 0));
    record.country = country->name;
    record.city = stretch.front().name;
    std::printf("Horoscope edit dialog on the generated world database (offscreen platform)\n");
    std::printf("%s (%s): %lld bytes, letter %s: %zu places\n", qPrintable(country->name), qPrintable(code),
                static_cast<long long>(files.front().size()), qPrintable(QString(letter)), stretch.size());

    bool ok = true;
    Samples open;
    Samples empty;
    Samples firstLetter;
    Samples secondLetter;
    for (int run = 0; run < Runs; ++run) {
        empty.time([&] {
            QDialog dialog;
            dialog.setFixedSize(274, 308);
            ok &= showUntilPainted(dialog);
        });
        open.time([&] {
            CHoroscopeDlg dialog(record, record.birth, HoroscopeDialogVariant::handheld(), folder, sink, nullptr);
            ok &= dialog.OnInitDialog() && showUntilPainted(dialog);
        });

        CHoroscopeDlg dialog(record, record.birth, HoroscopeDialogVariant::handheld(), folder, sink, nullptr);
        ok &= dialog.OnInitDialog();
        QLineEdit *city = dialog.findChild<QComboBox *>(QStringLiteral("city"))->lineEdit();
        city->clear();
        firstLetter.time([&] { type(city, letter); });
        ok &= dialog.findChild<QComboBox *>(QStringLiteral("city"))->count() == int(stretch.size());
        secondLetter.time([&] { type(city, QLatin1Char('e')); });
    }
    bench::printCompared("Typing a city's first letter (reload, take-over)", firstLetter, "< 50 ms", 50000,
                         "typing a second letter", secondLetter);
    bench::printCompared("Opening the edit dialog, until its first paint", open, "< 100 ms", 100000,
                         "an empty dialog of the same size", empty);
    if (!ok || !sink.messages.isEmpty())
        std::fprintf(stderr, "a dialog failed to open, reload or paint\n");
    return ok && sink.messages.isEmpty() ? 0 : 1;
}
