#pragma once

#include "engine/HoroscopeRecord.h"
#include "placedb/PlaceDatabase.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace orvel {

// What tells the two programs' horoscope edit dialogs apart; each program passes its own
// (the desktop's, with its pictures, is the horoscope manager's). Title and new name are
// in the user's language.
struct HoroscopeDialogVariant {
    QString title;
    QString newRecordName;     // the name a new record starts with
    QStringList pictures;      // images left of the rows, top to bottom; none if empty
    PlaceDatabase::Variant database = PlaceDatabase::Variant::Handheld;
    bool softInputPanel = true; // raise and lower the on-screen keyboard with the focus

    // The handheld's: no pictures, the on-screen keyboard with the focus.
    static HoroscopeDialogVariant handheld()
    {
        return {QCoreApplication::translate("orvel::HoroscopeDialogVariant", "Horoscope"), QCoreApplication::translate("orvel::HoroscopeRecord", DefaultHoroscopeName), {},
                PlaceDatabase::Variant::Handheld, true};
    }
};

} // namespace orvel
