#pragma once

#include "engine/HoroscopeRecord.h"
#include "placedb/PlaceDatabase.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace orvel {

// What tells the two programs' horoscope edit dialogs apart. Title and new name are in
// the user's language.
struct HoroscopeDialogVariant {
    QString title;
    QString newRecordName;     // the name a new record starts with
    QStringList pictures;      // images left of the rows, top to bottom; none if empty
    PlaceDatabase::Variant database = PlaceDatabase::Variant::Handheld;
    bool softInputPanel = true; // raise and lower the on-screen keyboard with the focus

    static HoroscopeDialogVariant handheld()
    {
        return {QCoreApplication::translate("orvel::HoroscopeDialogVariant", "Horoscope"), QCoreApplication::translate("orvel::HoroscopeRecord", DefaultHoroscopeName), {},
                PlaceDatabase::Variant::Handheld, true};
    }
    // The PC's: pictures from the desktop program's resources, no on-screen keyboard.
    static HoroscopeDialogVariant desktop()
    {
        QStringList pictures;
        for (const char *row : {"name", "date", "country", "city", "zone", "coordinates"})
            pictures.append(QStringLiteral(":/desktop/horoscope-%1.svg").arg(QLatin1String(row)));
        return {QCoreApplication::translate("orvel::HoroscopeDialogVariant", "Horoscop"),
                QCoreApplication::translate("orvel::HoroscopeDialogVariant", "(New horoscope)"), pictures,
                PlaceDatabase::Variant::Desktop, false};
    }
};

} // namespace orvel
