// Saving a country choice of the twenty largest countries of the world database onto a
// device folder (mirror rebuilt, the device's place files deleted, the chosen ones,
// the country file and the zone file copied), against `cp` copying the same files
// into an empty folder, in alternating runs. Usage: bench_desktop [ORVELDB_FOLDER]
#include "desktop/CountryChoice.h"
#include "desktop/DeviceLink.h"
#include "platform/RecordingMessageSink.h"
#include "support/DatabaseSamples.h"
#include "support/Timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace orvel;
using orvel::bench::Samples;

namespace {

constexpr int Runs = 21;
constexpr int Countries = 20;
constexpr double BoundRatio = 1.5;

// The codes of the `count` largest place files of `database`.
QStringList largestCountries(const QString &database, int count)
{
    QStringList codes;
    for (const QFileInfo &place : bench::largestFirst(database, QStringLiteral("Orte_*.txt")).mid(0, count))
        codes.append(bench::codeOf(place, QStringLiteral("Orte_")));
    return codes;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString source = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ORVEL_DATABASE_DIR);
    const QStringList codes = largestCountries(source, Countries);
    if (codes.size() < Countries || !QFileInfo::exists(source + QStringLiteral("/Country.txt"))) {
        std::fprintf(stderr, "bench_desktop: %s lacks a world database of %d countries\n", qPrintable(source), Countries);
        return 1;
    }

    // Beside the bench program, so that the mirror's links and the copies stay on the
    // file system of the build, as the program folder and the demo device do.
    QTemporaryDir work(QCoreApplication::applicationDirPath() + QStringLiteral("/save-XXXXXX"));
    const QString program = work.path() + QStringLiteral("/program");
    const QString device = work.path() + QStringLiteral("/device");
    const QString cpTarget = work.path() + QStringLiteral("/cp");
    QStringList files;
    for (const QString &code : codes)
        files << QStringLiteral("Orte_%1.txt").arg(code) << QStringLiteral("Ttable_%1.txt").arg(code);
    files << QStringLiteral("Country.txt") << QStringLiteral("Zones.txt");
    QDir().mkpath(program + QStringLiteral("/OrvelDB"));
    QDir().mkpath(device + QStringLiteral("/Handheld/OrvelDB"));
    QStringList cpArguments;
    qint64 bytes = 0;
    for (const QString &name : files) {
        QFile::copy(source + u'/' + name, program + QStringLiteral("/OrvelDB/") + name);
        cpArguments << program + QStringLiteral("/OrvelDB/") + name;
        bytes += QFileInfo(source + u'/' + name).size();
    }
    cpArguments << cpTarget;
    QFile registry(device + QStringLiteral("/registry.reg"));
    registry.open(QIODevice::WriteOnly);
    registry.write("REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tamrex Solution + Jorin Falk OrvelWin CE]\n"
                   "\"InstallDir\"=\"\\\\Handheld\"\n");
    registry.close();

    RecordingMessageSink sink;
    DeviceLink link(device, sink);
    CountryChoice choice(program, link, sink);
    Samples save;
    Samples copy;
    for (int run = 0; run < Runs; ++run) {
        bool saved = false;
        save.time([&] { saved = choice.save(codes); });
        QDir(cpTarget).removeRecursively();
        QDir().mkpath(cpTarget);
        int cpStatus = -1;
        copy.time([&] { cpStatus = QProcess::execute(QStringLiteral("cp"), cpArguments); });
        if (!saved || cpStatus != 0) {
            std::fprintf(stderr, "bench_desktop: save %s, cp exit status %d, messages: %s\n", saved ? "done" : "failed",
                         cpStatus, qPrintable(sink.messages.join(QStringLiteral("; "))));
            return 1;
        }
    }
    std::printf("Country choice Save, %d countries, %lld KB in %lld files (bench_desktop)\n", Countries,
                bytes / 1024, qint64(files.size()));
    char target[64];
    std::snprintf(target, sizeof target, "<= %.1f x cp", BoundRatio);
    bench::printCompared("Save onto a device folder", save, target, 0, "cp of the same files", copy, BoundRatio);
    return 0;
}
