// Many charts in one process: `orvelchart batch radix` over 1,000 horoscopes of the
// years 1900 to 2100, against 1,000 `swetest` processes computing the same charts
// (eleven bodies with speeds and Placidus houses), in alternating runs. Prints the
// time per chart, the charts per second and the ratio of the two.
#include "platform/StderrMessageSink.h"
#include "storage/HoroscopeFile.h"
#include "support/ChildProcess.h"
#include "support/Timing.h"

#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace orvel;
using orvel::bench::Samples;

namespace {

constexpr int Runs = 5;
constexpr int Horoscopes = 1000;

struct Birth {
    HoroscopeRecord record;
    double latitude;
    double longitude;
};

std::vector<Birth> births()
{
    std::vector<Birth> list;
    for (int i = 0; i < Horoscopes; ++i) {
        Birth b;
        const int latitude = i * 37 % 120 - 60;
        const int longitude = i * 53 % 360 - 180;
        b.latitude = latitude;
        b.longitude = longitude;
        b.record.name = QStringLiteral("Birth %1").arg(i);
        b.record.birth = DateTime(1900 + i / 5, 1 + i % 12, 1 + i * 7 % 28, i % 24, i * 7 % 60, 0);
        b.record.latitude = QStringLiteral("%1 %2").arg(std::abs(latitude)).arg(latitude < 0 ? u'S' : u'N');
        b.record.longitude = QStringLiteral("%1 %2").arg(std::abs(longitude)).arg(longitude < 0 ? u'W' : u'E');
        b.record.deltaGmt = longitude / 15;
        list.push_back(b);
    }
    return list;
}

// The swetest command line of one chart: the moment in universal time.
std::vector<QByteArray> swetest(const Birth &b)
{
    const DateTime ut = DateTime::fromSerialSeconds(b.record.birth.serialSeconds()
                                                    - static_cast<std::int64_t>(b.record.deltaGmt * 3600));
    return {"swetest",
            QStringLiteral("-b%1.%2.%3").arg(ut.day()).arg(ut.month()).arg(ut.year()).toLatin1(),
            QStringLiteral("-ut%1:%2:%3").arg(ut.hour()).arg(ut.minute()).arg(ut.second()).toLatin1(),
            "-p0123456789m",
            QStringLiteral("-house%1,%2,P").arg(b.longitude).arg(b.latitude).toLatin1(),
            "-fPls", "-head", "-eswe", QByteArray("-edir") + ORVEL_EPHE_DIR};
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("program"));
    const std::vector<Birth> list = births();
    std::vector<HoroscopeRecord> records;
    for (const Birth &b : list)
        records.push_back(b.record);
    StderrMessageSink sink;
    if (!bench::makeProgramFolder(folder, QStringLiteral(ORVEL_EPHE_DIR))
        || !HoroscopeFile::save(folder + u'/' + QLatin1String(HoroscopeFile::FileName), records, sink)) {
        std::fprintf(stderr, "cannot lay out the program folder in %s\n", qPrintable(dir.path()));
        return 1;
    }
    const std::vector<QByteArray> batch = {ORVEL_CHART, "--root", QFile::encodeName(folder), "batch", "radix"};

    Samples batchRun, swetestRun;
    for (int run = 0; run < Runs; ++run) {
        bool ok = true;
        batchRun.time([&] { ok = bench::runQuietly(batch); });
        swetestRun.time([&] {
            for (const Birth &b : list)
                ok = bench::runQuietly(swetest(b)) && ok;
        });
        if (!ok) {
            std::fprintf(stderr, "orvelchart batch radix or swetest failed\n");
            return 1;
        }
    }

    std::printf("1,000 Radix charts: one orvelchart batch process against 1,000 swetest processes\n");
    bench::printCompared("orvelchart batch radix, 1,000 charts", batchRun, "ratio <= 0.10", 0,
                         "1,000 swetest processes", swetestRun, 0.10);
    std::printf("%-52s %.0f charts/s (swetest processes: %.0f charts/s)\n", "  batch throughput",
                Horoscopes / (batchRun.median() / 1e6), Horoscopes / (swetestRun.median() / 1e6));
    return 0;
}
