#pragma once

#include "placedb/CountryRecord.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvel {

class DeviceLink;
class MessageSink;

// What the country choice does with files: the PC's whole place database in
// "OrvelDB", the mirror of the chosen countries' files in "SelOrvelDB" (the only
// record of the choice between runs), and the handheld's "OrvelDB" folder.
class CountryChoice {
    Q_DECLARE_TR_FUNCTIONS(CountryChoice)
public:
    // `programFolder`: the desktop program's folder. `device` and `sink` must outlive
    // the object.
    CountryChoice(QString programFolder, DeviceLink &device, MessageSink &sink);

    // The countries of the PC's country file in offered order; false after a message
    // when it cannot be read.
    bool loadCountries(std::vector<CountryRecord> &countries);

    // The codes of the countries whose place files are in the mirror; nothing after a
    // message when the mirror cannot be listed.
    std::optional<QSet<QString>> mirroredCodes();

    // The countries chosen so far: those of the mirror, or, on a PC that has no mirror
    // yet, those whose place files the handheld holds (so that a first Save keeps
    // them); nothing after a message when the folder cannot be listed.
    std::optional<QSet<QString>> chosenCodes();

    // Rebuilds the mirror from `codes`, then replaces the handheld's place files with
    // the mirror's and brings its country and zone files up to date. False after a
    // message at the first failure; the steps done so far stay done.
    bool save(const QStringList &codes);

    // The order of names in the two lists: umlauts written out as two letters ("Ö" as
    // "OE"), then folded and upper-cased as the place database's sort key does.
    static QString listKey(const QString &name);

    QString databaseFolder() const;
    // Created when missing; a failure shows later, when a file in it cannot be written.
    QString mirrorFolder() const;
    bool hasMirror() const;

private:
    // The codes of the place files ("Orte_<code>.txt") in a listing.
    static QSet<QString> placeCodes(const QStringList &names);
    std::optional<QSet<QString>> deviceCodes();
    // The file names, without folder, that the mirror holds for `code`.
    QStringList filesOf(const QString &code) const;
    bool rebuildMirror(const QStringList &codes);
    bool storeOnDevice();

    QString m_programFolder;
    DeviceLink &m_device;
    MessageSink &m_sink;
};

} // namespace orvel
