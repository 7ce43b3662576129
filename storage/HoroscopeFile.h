#pragma once

#include "engine/HoroscopeRecord.h"
#include "platform/AtomicFileWriter.h"
#include "storage/FileDamage.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

namespace orvel {

// horoskop.xml: the horoscope list between runs, one Horoskop element per record in
// list order under the root Orvel_Horoskop.
class HoroscopeFile {
    Q_DECLARE_TR_FUNCTIONS(HoroscopeFile)

public:
    // One Horoskop element as the loader sees it: the record it gives, or why it
    // would be dropped.
    struct Element {
        QString name;                          // its Name, or the default name
        std::optional<HoroscopeRecord> record; // nothing when the loader drops it
        QString error;                         // why it is dropped
    };

    static constexpr const char *FileName = "horoskop.xml";

    // What read() found: the records it could read and, for a file that is damaged or
    // holds records the loader drops, what is wrong with it.
    struct Reading {
        std::vector<Element> elements; // the complete Horoskop elements, those dropped included
        FileDamage damage;

        std::vector<HoroscopeRecord> records() const;
    };

    // The horoscopes of the file, in document order. Records without a Date take `now`;
    // elements with a short or impossible Date are skipped. Fails when the file cannot
    // be read or parsed to its end.
    static Result<std::vector<HoroscopeRecord>> load(const QString &path, const DateTime &now);
    // Every Horoskop element of the file in document order, those load drops included;
    // fails as load() does.
    static Result<std::vector<Element>> loadElements(const QString &path, const DateTime &now);
    // What the loader takes from one child of a Horoskop element, whose text is `text`:
    // a field of `record`, or into `error` why the element is dropped. A later child
    // overrides an earlier one.
    static void readChild(const QString &tag, const QString &text, HoroscopeRecord &record, QString &error);
    // Every complete Horoskop element before the damage, if any: Missing for a file that
    // does not exist, Damaged (the message being the damage's description) for one that
    // stops parsing or holds records the loader drops; the value holds what was read.
    static Result<Reading> read(const QString &path, const DateTime &now);
    // Writes the whole list through `writer`. A failure keeps the old file intact.
    static Result<> save(const QString &path, const std::vector<HoroscopeRecord> &records,
                         const FileWriter &writer = AtomicFileWriter::standard());
};

} // namespace orvel
