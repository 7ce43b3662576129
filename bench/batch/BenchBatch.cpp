// Many charts in one process, against the Swiss Ephemeris calls of the same charts in a
// loop of this process (eleven bodies with speeds and Placidus houses: the least work a
// chart could be), `orvelchart batch radix` with one thread and with one per core,
// and 1,000 `swetest` processes, in alternating runs. Then one batch over 100,000
// births in a horoscope file and one over the same births in an AAF file, for their
// time and peak memory. Prints times, charts per second and ratios.
#include "storage/HoroscopeFile.h"
#include "support/ChildProcess.h"
#include "support/Timing.h"

#include <QFile>
#include <QTemporaryDir>

#include <swephexp.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace orvel;
using orvel::bench::Samples;

namespace {

constexpr int Runs = 5;
constexpr int Charts = 3000;
constexpr int SwetestCharts = 1000;
constexpr int LargeFile = 100000;

struct Birth {
    HoroscopeRecord record;
    double latitude;
    double longitude;
};

Birth birth(int i)
{
    Birth b;
    const int latitude = i * 37 % 120 - 60;
    const int longitude = i * 53 % 360 - 180;
    b.latitude = latitude;
    b.longitude = longitude;
    b.record.name = QStringLiteral("Birth %1").arg(i);
    b.record.birth = DateTime(1900 + i * 7 % 200, 1 + i % 12, 1 + i * 7 % 28, i % 24, i * 7 % 60, 0);
    b.record.latitude = QStringLiteral("%1 %2").arg(std::abs(latitude)).arg(latitude < 0 ? u'S' : u'N');
    b.record.longitude = QStringLiteral("%1 %2").arg(std::abs(longitude)).arg(longitude < 0 ? u'W' : u'E');
    b.record.deltaGmt = longitude / 15;
    return b;
}

// What the library is asked for one chart, as the chart engine asks it.
double bareChart(const Birth &b)
{
    const DateTime &t = b.record.birth;
    const double jd = swe_julday(t.year(), t.month(), t.day(), t.hour() + t.minute() / 60.0 - b.record.deltaGmt, SE_GREG_CAL);
    double sum = 0;
    double result[6];
    char error[AS_MAXCH];
    for (int body = 0; body <= SE_MEAN_NODE; ++body) {
        swe_calc_ut(jd, body, SEFLG_SPEED, result, error);
        sum += result[0];
    }
    double cusps[13];
    double angles[10];
    swe_houses(jd, b.latitude, b.longitude, 'P', cusps, angles);
    return sum + cusps[1];
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

// A horoscope file of `count` births, written element by element (the DOM of a large
// one would hold the bench's memory instead of the batch's).
bool writeHoroscopes(const QString &path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("<Orvel_Horoskop>");
    for (int i = 0; i < count; ++i) {
        const HoroscopeRecord r = birth(i).record;
        file.write(QStringLiteral("<Horoskop ID=\"%1\"><Name>%2</Name><Date>%3</Date><City>X</City><Country>Y</Country>"
                                  "<Latitude>%4</Latitude><Longitude>%5</Longitude><Delta_GMT>%6</Delta_GMT></Horoskop>")
                       .arg(i)
                       .arg(r.name, r.birth.toText(), r.latitude, r.longitude, QString::asprintf("%.4f", r.deltaGmt))
                       .toUtf8());
    }
    file.write("</Orvel_Horoskop>");
    return file.error() == QFileDevice::NoError;
}

// The same births as an AAF file, with coordinates and zone so that no place is looked up.
bool writeAaf(const QString &path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto angle = [](double degrees, char positive, char negative) {
        return QByteArray::number(std::abs(int(degrees))) + (degrees < 0 ? negative : positive) + "00";
    };
    for (int i = 0; i < count; ++i) {
        const Birth b = birth(i);
        const DateTime &t = b.record.birth;
        file.write(QString::asprintf("#A93:%d,Birth,*,%d.%d.%d,%d:%02d,X,*\r\n", i, t.day(), t.month(), t.year(), t.hour(),
                                     t.minute())
                       .toLatin1()
                   + "#B93:*," + angle(b.latitude, 'n', 's') + ',' + angle(b.longitude, 'e', 'w') + ','
                   + QByteArray::number(std::abs(int(b.record.deltaGmt))) + (b.record.deltaGmt < 0 ? "hw00" : "he00")
                   + ",0\r\n");
    }
    return file.error() == QFileDevice::NoError;
}

// A batch over a file of 100,000 births: its time and peak memory.
bool measureLarge(const char *what, const std::vector<QByteArray> &arguments)
{
    rusage usage{};
    Samples run;
    bool ok = true;
    run.time([&] { ok = bench::runQuietly(arguments, &usage); });
    if (!ok) {
        std::fprintf(stderr, "orvelchart batch radix over the %s failed\n", what);
        return false;
    }
    std::printf("%-52s %.2f s, %.0f charts/s, peak memory %ld KiB (target <= 102400 KiB%s)\n",
                (std::string("batch radix, ") + what).c_str(), run.median() / 1e6, LargeFile / (run.median() / 1e6),
                usage.ru_maxrss, usage.ru_maxrss <= 102400 ? ": met" : ": MISSED");
    return true;
}

double cpuMicroseconds(const rusage &usage)
{
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
}

// The processor time of `task` in this process, in microseconds.
double cpuTime(const std::function<void()> &task)
{
    rusage before{};
    rusage after{};
    getrusage(RUSAGE_SELF, &before);
    task();
    getrusage(RUSAGE_SELF, &after);
    return cpuMicroseconds(after) - cpuMicroseconds(before);
}

double loadAverage()
{
    double load = 0;
    return getloadavg(&load, 1) == 1 ? load : -1;
}

double perSecond(int charts, const Samples &s)
{
    return charts / (s.median() / 1e6);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("program"));
    const QString births = dir.filePath(QStringLiteral("births.xml"));
    const QString large = dir.filePath(QStringLiteral("large.xml"));
    const QString largeAaf = dir.filePath(QStringLiteral("large.aaf"));
    std::vector<Birth> list;
    for (int i = 0; i < Charts; ++i)
        list.push_back(birth(i));
    if (!bench::makeProgramFolder(folder, QStringLiteral(ORVEL_EPHE_DIR)) || !writeHoroscopes(births, Charts)
        || !writeHoroscopes(large, LargeFile) || !writeAaf(largeAaf, LargeFile)) {
        std::fprintf(stderr, "cannot lay out the program folder in %s\n", qPrintable(dir.path()));
        return 1;
    }
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const auto batch = [&](const QString &file, int jobs) {
        return std::vector<QByteArray>{ORVEL_CHART, "--root", QFile::encodeName(folder), "batch", "radix", "--from",
                                       QFile::encodeName(file), "--jobs", QByteArray::number(jobs)};
    };
    swe_set_ephe_path(ORVEL_EPHE_DIR);

    // Processor times beside the wall times: other processes' load stretches the latter.
    Samples bare, oneJob, allCores, swetestRun, bareCpu, oneJobCpu, allCoresCpu;
    volatile double sink = 0;
    const double loadBefore = loadAverage();
    for (int run = 0; run < Runs; ++run) {
        bool ok = true;
        rusage usage{};
        bareCpu.add(cpuTime([&] {
            bare.time([&] {
                for (const Birth &b : list)
                    sink = sink + bareChart(b);
            });
        }));
        oneJob.time([&] { ok = bench::runQuietly(batch(births, 1), &usage); });
        oneJobCpu.add(cpuMicroseconds(usage));
        allCores.time([&] { ok = bench::runQuietly(batch(births, cores), &usage) && ok; });
        allCoresCpu.add(cpuMicroseconds(usage));
        swetestRun.time([&] {
            for (int i = 0; i < SwetestCharts; ++i)
                ok = bench::runQuietly(swetest(list[i])) && ok;
        });
        if (!ok) {
            std::fprintf(stderr, "orvelchart batch radix or swetest failed\n");
            return 1;
        }
    }

    std::printf("%d Radix charts of 1900 to 2100 (swetest: the first %d); load average %.2f, then %.2f\n", Charts,
                SwetestCharts, loadBefore, loadAverage());
    bench::printCompared("batch radix --jobs 1, whole process", oneJob, "ratio <= 1.25", 0,
                         "the library calls of those charts, in a loop", bare, 1.25);
    char cores_[64];
    std::snprintf(cores_, sizeof cores_, "batch radix --jobs %d", cores);
    bench::printFigure(cores_, allCores, "-");
    std::printf("%-52s ratio %.2f (target >= 1.70%s)\n", "  speed-up over --jobs 1", oneJob.median() / allCores.median(),
                oneJob.median() / allCores.median() >= 1.7 ? ": met" : ": MISSED");
    bench::printCompared("processor time of batch radix --jobs 1", oneJobCpu, "-", 0,
                         "processor time of the library loop", bareCpu);
    bench::printRatio(("  processor time of --jobs " + std::to_string(cores) + " to --jobs 1").c_str(), allCoresCpu,
                      oneJobCpu);
    bench::printFigure("1,000 swetest processes", swetestRun, "-");
    std::printf("%-52s library loop %.0f, --jobs 1 %.0f, --jobs %d %.0f, swetest processes %.0f\n", "  charts/s",
                perSecond(Charts, bare), perSecond(Charts, oneJob), cores, perSecond(Charts, allCores),
                perSecond(SwetestCharts, swetestRun));

    if (!measureLarge("100,000-birth horoscope file", batch(large, cores))
        || !measureLarge("100,000-birth AAF file", batch(largeAaf, cores)))
        return 1;
    return 0;
}
