// The program's start-up as a user meets it: `orvelchart radix1` run as a child
// process in a program folder whose horoskop.xml holds 1,000 horoscopes, against the
// same command in a folder without horoskop.xml, in alternating runs. Prints the wall
// time from spawning to reaping the child, and the child's peak resident memory.
#include "storage/HoroscopeFile.h"
#include "platform/StderrMessageSink.h"
#include "support/ChildProcess.h"
#include "support/Timing.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace orvel;
using orvel::bench::Samples;

namespace {

constexpr int Runs = 31;
constexpr int Horoscopes = 1000;
// A fixed clock, so that runs on different days do the same work.
constexpr const char *Now = "01.01.2024 12:00:00";

QString coordinate(int degrees, int minutes, int seconds, char hemisphere)
{
    return QStringLiteral("%1°%2'%3\" %4")
        .arg(degrees)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'))
        .arg(QLatin1Char(hemisphere));
}

std::vector<HoroscopeRecord> horoscopes()
{
    std::vector<HoroscopeRecord> records;
    for (int i = 0; i < Horoscopes; ++i) {
        HoroscopeRecord r;
        r.name = QStringLiteral("Horoscope %1").arg(i + 1);
        r.birth = DateTime(1900 + i % 120, 1 + i % 12, 1 + i % 28, i % 24, i * 7 % 60, i * 13 % 60);
        r.city = QStringLiteral("Place %1").arg(i + 1);
        r.country = QStringLiteral("Germany");
        r.latitude = coordinate(i % 90, i % 60, i * 7 % 60, i % 2 ? 'S' : 'N');
        r.longitude = coordinate(i % 180, i * 11 % 60, i * 3 % 60, i % 3 ? 'E' : 'W');
        r.deltaGmt = i % 25 - 12;
        records.push_back(r);
    }
    return records;
}

// How many horoscopes the program sees in `folder`, or -1 when it fails.
qsizetype horoscopesSeen(const QString &folder)
{
    QProcess process;
    process.start(QStringLiteral(ORVEL_CHART), {"--root", folder, "--now", Now, "horoscopes"});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return -1;
    const QJsonDocument list = QJsonDocument::fromJson(process.readAllStandardOutput());
    return list.isArray() ? list.array().size() : -1;
}

// Runs `orvelchart --root folder radix1` with its output discarded (the missing
// settings file, and in the baseline folder horoskop.xml, are reported on standard
// error: expected) and adds its wall time and peak resident memory. False when it
// cannot be started or fails.
bool runRadix(const QString &folder, Samples &wall, Samples &memory)
{
    const std::vector<QByteArray> arguments = {ORVEL_CHART, "--root", QFile::encodeName(folder), "--now", Now, "radix1"};
    bool ok = false;
    rusage usage{};
    wall.time([&] { ok = bench::runQuietly(arguments, &usage); });
    if (ok)
        memory.add(double(usage.ru_maxrss)); // kibibytes on Linux
    return ok;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString full = dir.filePath(QStringLiteral("full"));
    const QString bare = dir.filePath(QStringLiteral("bare"));
    if (!dir.isValid() || !bench::makeProgramFolder(full, QStringLiteral(ORVEL_EPHE_DIR))
        || !bench::makeProgramFolder(bare, QStringLiteral(ORVEL_EPHE_DIR))
        || !HoroscopeFile::save(full + u'/' + QLatin1String(HoroscopeFile::FileName), horoscopes())) {
        std::fprintf(stderr, "cannot lay out the program folders in %s\n", qPrintable(dir.path()));
        return 1;
    }
    if (const qsizetype seen = horoscopesSeen(full); seen != Horoscopes) {
        std::fprintf(stderr, "orvelchart sees %lld horoscopes instead of %d\n", qlonglong(seen), Horoscopes);
        return 1;
    }

    Samples bareWall, fullWall, bareMemory("KiB"), fullMemory("KiB");
    for (int run = 0; run < Runs; ++run) {
        if (!runRadix(bare, bareWall, bareMemory) || !runRadix(full, fullWall, fullMemory)) {
            std::fprintf(stderr, "orvelchart radix1 failed\n");
            return 1;
        }
    }

    std::printf("orvelchart radix1 start-up as a child process; horoskop.xml %lld bytes, %d horoscopes\n",
                qlonglong(QFileInfo(full + u'/' + QLatin1String(HoroscopeFile::FileName)).size()), Horoscopes);
    bench::printCompared("orvelchart radix1, 1,000 horoscopes", fullWall, "< 150 ms wall time", 150000,
                         "the same without horoskop.xml", bareWall);
    bench::printCompared("orvelchart radix1 peak memory, 1,000 horoscopes", fullMemory, "none", 0,
                         "the same without horoskop.xml", bareMemory);
    return 0;
}
