#include "support/DatabaseSamples.h"

#include <QDir>

namespace orvel::bench {

QFileInfoList largestFirst(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Size);
}

QString codeOf(const QFileInfo &file, const QString &prefix)
{
    return file.completeBaseName().mid(prefix.size());
}

LetterStretch longestStretch(PlaceDatabase &database, const QString &code)
{
    LetterStretch longest;
    std::vector<PlaceRecord> places;
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        database.LoadPlaces(places, code, QString(QChar(c)));
        if (places.size() > longest.places.size())
            longest = {QChar(c), places};
    }
    return longest;
}

} // namespace orvel::bench
