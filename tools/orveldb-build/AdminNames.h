#pragma once

#include "platform/Result.h"

#include <QHash>
#include <QString>

namespace orvel {

// The names of GeoNames' first-level regions (states, provinces) and second-level
// districts (counties), keyed as GeoNames keys them: "AU.04" and "AU.04.32270", the
// country's ISO code followed by the admin codes that the cities file carries.
// Names are made fit for a place name's bracket: Windows-1252, and any bracketed part
// dropped ("Campbelltown (NSW)" gives "Campbelltown"), so that no name nests brackets.
class AdminNames {
public:
    // Reads admin1.json and admin2.json (arrays of {"code", "name"}) from `folder`.
    // Fails when a file is missing or not such an array.
    static Result<AdminNames> load(const QString &folder);

    // Builds the tables from the two files' contents.
    static Result<AdminNames> fromJson(const QByteArray &admin1, const QByteArray &admin2);

    // Empty when the table has no usable name.
    QString region(const QString &country, const QString &admin1) const;
    QString district(const QString &country, const QString &admin1, const QString &admin2) const;

    // `name` fit for a bracket, or empty.
    static QString label(const QString &name);

private:
    QHash<QString, QString> m_names; // by GeoNames code
};

} // namespace orvel
