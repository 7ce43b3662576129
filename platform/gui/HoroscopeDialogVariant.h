#pragma once

#include "placedb/PlaceDatabase.h"

#include <QString>
#include <QStringList>

namespace orvel {

// What tells the two programs' horoscope edit dialogs apart.
struct HoroscopeDialogVariant {
    QString title;
    QString newRecordName;     // the name a new record starts with
    QStringList pictures;      // images left of the rows, top to bottom; none if empty
    PlaceDatabase::Variant database = PlaceDatabase::Variant::Handheld;
    bool softInputPanel = true; // raise and lower the on-screen keyboard with the focus

    static HoroscopeDialogVariant handheld()
    {
        return {QStringLiteral("Horoscope"), QStringLiteral("(New Horoscope)"), {},
                PlaceDatabase::Variant::Handheld, true};
    }
};

} // namespace orvel
