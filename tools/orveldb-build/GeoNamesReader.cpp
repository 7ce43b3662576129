#include "GeoNamesReader.h"

#include <QList>

#include <cmath>

namespace orvel {

namespace {

constexpr int ColumnCount = 19;

std::optional<double> coordinate(const QByteArray &text, double limit)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > limit)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<SourcePlace> GeoNamesReader::parseLine(const QByteArray &line, BuildStatistics &statistics)
{
    const QList<QByteArray> columns = line.split('\t');
    if (columns.size() < ColumnCount - 1) {
        statistics.count(QStringLiteral("skipped: line with too few columns"));
        return std::nullopt;
    }
    SourcePlace place;
    bool idOk = false;
    place.geonameId = columns[0].toInt(&idOk);
    if (!idOk || place.geonameId <= 0) {
        statistics.count(QStringLiteral("skipped: missing or bad geonameid"));
        return std::nullopt;
    }
    const std::optional<double> latitude = coordinate(columns[4], 90);
    const std::optional<double> longitude = coordinate(columns[5], 180);
    if (!latitude || !longitude) {
        statistics.count(QStringLiteral("skipped: missing or impossible coordinates"));
        return std::nullopt;
    }
    place.latitude = *latitude;
    place.longitude = *longitude;
    place.name = QString::fromUtf8(columns[1]);
    place.asciiName = QString::fromUtf8(columns[2]);
    place.countryCode = QString::fromUtf8(columns[8]).trimmed();
    place.admin1 = QString::fromUtf8(columns[10]).trimmed();
    place.admin2 = QString::fromUtf8(columns[11]).trimmed();
    place.population = columns[14].trimmed().toLongLong();
    place.timeZone = QString::fromUtf8(columns[17]).trimmed();
    return place;
}

} // namespace orvel
