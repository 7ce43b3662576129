// Draws random (place, local moment) pairs from a generated OrvelDB folder and prints
// the offset our reader gives for each, for check_offsets.py to compare with the IANA
// database: "code TAB zone TAB place number TAB YYYY-MM-DDTHH:MM:SS TAB offset seconds".
#include "placedb/DatabaseFile.h"
#include "placedb/PlaceDatabase.h"
#include "platform/Windows1252.h"
#include "platform/RecordingMessageSink.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace orvel;

namespace {

// The key characters of a place file's letter index.
QString indexLetters(const QString &folder, const QString &code)
{
    const Result<QByteArray> file = DatabaseFile::read(DatabaseFile::pathFor(folder, QStringLiteral("Orte_"), code));
    const QString text = Windows1252::toText(file->constData(), file->size());
    const QString line = text.left(text.indexOf(u'\n'));
    QString letters;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (i == 0 || line[i - 1] == u' ')
            letters += line[i];
    }
    return letters.trimmed();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: orveldb_offset_sample ORVELDB_FOLDER COUNT SEED\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    std::mt19937_64 random(std::strtoull(argv[3], nullptr, 10));

    RecordingMessageSink sink;
    PlaceDatabase database(folder, folder + QStringLiteral("/LstCntry.dat"), sink);
    std::vector<CountryRecord> countries;
    if (!database.LoadCountryList(countries)) {
        std::fprintf(stderr, "cannot read the country file in %s\n", argv[1]);
        return 1;
    }
    std::vector<PlaceRecord> places;
    for (const CountryRecord &country : countries) {
        for (const QChar letter : indexLetters(folder, country.code)) {
            std::vector<PlaceRecord> stretch;
            database.LoadPlaces(stretch, country.code, QString(letter));
            places.insert(places.end(), stretch.begin(), stretch.end());
        }
    }
    std::fprintf(stderr, "%zu places in %zu countries\n", places.size(), countries.size());
    if (places.empty())
        return 1;

    const DateTime first(1900, 1, 1), last(2400, 1, 1);
    std::uniform_int_distribution<std::size_t> pickPlace(0, places.size() - 1);
    std::uniform_int_distribution<std::int64_t> pickSecond(0, last.serialSeconds() - first.serialSeconds() - 1);
    for (int i = 0; i < count; ++i) {
        const PlaceRecord &place = places[pickPlace(random)];
        const std::int64_t seconds = first.serialSeconds() + pickSecond(random);
        // Back from serial seconds through the days of the proleptic Gregorian calendar.
        std::int64_t days = seconds / 86400;
        int year = 1900;
        DateTime moment;
        for (std::int64_t rest = days - first.serialSeconds() / 86400;;) {
            const int yearDays = DateTime::isValidDate(year, 2, 29) ? 366 : 365;
            if (rest < yearDays) {
                int month = 1;
                while (rest >= DateTime::daysInMonth(year, month))
                    rest -= DateTime::daysInMonth(year, month++);
                const int daySecond = int(seconds % 86400);
                moment = DateTime(year, month, int(rest) + 1, daySecond / 3600, daySecond / 60 % 60, daySecond % 60);
                break;
            }
            rest -= yearDays;
            ++year;
        }
        double offset = 0.0;
        const bool ok = database.GetDeltaGMT(moment, place.tableCode, place.zone, offset);
        std::printf("%s\t%d\t%d\t%04d-%02d-%02dT%02d:%02d:%02d\t%s\n", qPrintable(place.tableCode), place.zone,
                    place.number, moment.year(), moment.month(), moment.day(), moment.hour(), moment.minute(),
                    moment.second(), ok ? qPrintable(QString::number(std::lround(offset * 3600))) : "failed");
    }
    return 0;
}
