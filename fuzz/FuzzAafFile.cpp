// AAF files with any content, read against a small place database: every record gives
// one entry, and what was imported writes and reads back to as many horoscopes.
#include "engine/PlaceDirectory.h"
#include "storage/AafFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Countries of which one is divided and two share a code as vehicle and ISO code,
// and one place with a fixed offset.
class SmallDirectory : public orvel::PlaceDirectory {
public:
    std::vector<orvel::DirectoryCountry> countries() override
    {
        return {{QStringLiteral("D"), QStringLiteral("Deutschland"), QStringLiteral("DE"), QStringLiteral("DEU")},
                {QStringLiteral("GBE"), QStringLiteral("England"), QStringLiteral("GB"), QStringLiteral("GBR")},
                {QStringLiteral("SCO"), QStringLiteral("Scotland"), QStringLiteral("GB"), QStringLiteral("GBR")},
                {QStringLiteral("ES"), QStringLiteral("El Salvador"), QStringLiteral("SV"), QStringLiteral("SLV")},
                {QStringLiteral("E"), QStringLiteral("Spain"), QStringLiteral("ES"), QStringLiteral("ESP")}};
    }
    std::optional<orvel::ChartPlace> findPlace(const QString &country, const QString &city) override
    {
        if (city != u"Berlin" || country != u"Deutschland")
            return std::nullopt;
        return orvel::ChartPlace{city, country, QStringLiteral("52\u00B031'N"), QStringLiteral("13\u00B024'E"),
                                 QStringLiteral("D"), 1};
    }
    bool offsetAt(const orvel::ChartPlace &, const orvel::DateTime &, double &offset) override
    {
        offset = 1.0;
        return true;
    }
    std::optional<double> nearestPlaceKm(const QString &code, double, double) override { return code.size(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SmallDirectory places;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    std::vector<orvel::HoroscopeRecord> horoscopes;
    for (const orvel::AafEntry &entry : orvel::AafFile::read(bytes, places)) {
        if (entry.horoscope) {
            if (!entry.horoscope->birth.isValid() || !std::isfinite(entry.horoscope->deltaGmt))
                std::abort();
            horoscopes.push_back(*entry.horoscope);
        }
    }
    std::vector<orvel::AafEntry> written;
    const QByteArray again = orvel::AafFile::write(horoscopes, places, orvel::AafFile::Encoding::Utf8, written);
    std::size_t back = 0;
    for (const orvel::AafEntry &entry : orvel::AafFile::read(again, places))
        back += entry.horoscope ? 1 : 0;
    if (written.size() != horoscopes.size() || back != horoscopes.size())
        std::abort();
    return 0;
}
