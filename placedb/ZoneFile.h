#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>


namespace orvel {

// The zone file "Zones.txt" (masked, ISO 8859-1): records of three fields,
// designation, a description, and the offset from universal time in hours written
// with a full stop ("1.0", "-5.5").
class ZoneFile {
public:
    // Every designation's offset from the unmasked file. Designations compare exactly,
    // case included; the first record of a designation counts.
    static QHash<QString, double> offsets(const QByteArray &zones);

    // As the C library's strtod reads it in the "C" locale: leading blanks, the
    // longest number prefix, 0 without one. Overflow saturates to the largest finite
    // value and a text that is not a number (NaN) reads as 0.
    static double decimalFraction(const QByteArray &text);
};

} // namespace orvel
