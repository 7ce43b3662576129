#pragma once

#include <QString>

#include <array>

namespace orvel {

// One line of the country file: seven fields.
struct CountryRecord {
    // Reads the seven fields at `position` of the unmasked country file (ISO 8859-1);
    // missing fields are empty.
    static CountryRecord read(const char *data, qsizetype length, qsizetype &position);

    QString code;                 // e.g. "GBE"; also the suffix of the place file name
    QString name;                 // shown to the user and stored with a horoscope
    std::array<QString, 5> extra; // fields 3 to 7, kept as read

    // The ISO 3166 alpha-2 and alpha-3 codes of fields 3 and 4 ("AT", "AUT"); empty
    // when the field holds no such code, as in country files that use it otherwise.
    QString isoAlpha2() const;
    QString isoAlpha3() const;

    friend bool operator==(const CountryRecord &, const CountryRecord &) = default;
};

} // namespace orvel
