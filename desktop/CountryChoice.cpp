#include "desktop/CountryChoice.h"

#include "desktop/DeviceLink.h"
#include "desktop/FileCopy.h"
#include "placedb/DatabaseFile.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/SortKey.h"
#include "platform/MessageSink.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace orvel {

namespace fs = std::filesystem;

namespace {

const QString PlacePrefix = QStringLiteral("Orte_");
const QString TablePrefix = QStringLiteral("Ttable_");
// Kept on the handheld across saves; copied anew because time tables of a newer
// database can name zones that an older zone file lacks.
const QStringList SharedFiles = {QStringLiteral("Country.txt"), QStringLiteral("Zones.txt")};

// The regular files of `folder`, by name; nothing (with `error` set) when it cannot
// be listed.
std::optional<QStringList> filesIn(const QString &folder, std::error_code &error)
{
    QStringList names;
    for (fs::directory_iterator it(FileCopy::native(folder), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.front() != '.' && !it->is_directory(error) && !error)
            names.append(QFile::decodeName(name.c_str()));
    }
    if (error)
        return std::nullopt;
    return names;
}

} // namespace

CountryChoice::CountryChoice(QString programFolder, DeviceLink &device, MessageSink &sink)
    : m_programFolder(std::move(programFolder)), m_device(device), m_sink(sink)
{
}

QString CountryChoice::databaseFolder() const
{
    return m_programFolder + u'/' + PlaceDatabase::FolderName;
}

namespace {
const QString MirrorName = QStringLiteral("SelOrvelDB");
}

QString CountryChoice::mirrorFolder() const
{
    const QString folder = m_programFolder + u'/' + MirrorName;
    QDir().mkpath(folder);
    return folder;
}

bool CountryChoice::hasMirror() const
{
    return QFileInfo(m_programFolder + u'/' + MirrorName).isDir();
}

bool CountryChoice::loadCountries(std::vector<CountryRecord> &countries)
{
    PlaceDatabase database(databaseFolder(), m_programFolder + u'/' + PlaceDatabase::LastCountryFileName, m_sink,
                           PlaceDatabase::Variant::Desktop);
    return database.LoadCountryList(countries);
}

std::optional<QSet<QString>> CountryChoice::mirroredCodes()
{
    std::error_code error;
    const std::optional<QStringList> names = filesIn(mirrorFolder(), error);
    if (!names) {
        m_device.ReportSystemError(error, DeviceLink::FileAction::List, mirrorFolder());
        return std::nullopt;
    }
    return placeCodes(*names);
}

std::optional<QSet<QString>> CountryChoice::chosenCodes()
{
    return hasMirror() ? mirroredCodes() : deviceCodes();
}

std::optional<QSet<QString>> CountryChoice::deviceCodes()
{
    // An unreachable handheld has already said why; the lists then open with nothing chosen.
    const QString handheldFolder = m_device.programPath(PlaceDatabase::FolderName);
    const QString folder = handheldFolder.isEmpty() ? QString() : m_device.localPath(handheldFolder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return QSet<QString>();
    std::error_code error;
    const std::optional<QStringList> names = filesIn(folder, error);
    if (!names) {
        m_device.ReportSystemError(error, DeviceLink::FileAction::List, folder);
        return std::nullopt;
    }
    return placeCodes(*names);
}

QSet<QString> CountryChoice::placeCodes(const QStringList &names)
{
    QSet<QString> codes;
    for (const QString &name : names)
        if (name.startsWith(PlacePrefix) && name.endsWith(QStringLiteral(".txt")))
            codes.insert(name.mid(PlacePrefix.size()).section(u'.', 0, 0));
    return codes;
}

QString CountryChoice::listKey(const QString &name)
{
    QString expanded = name;
    static const std::pair<QChar, const char *> umlauts[] = {
        {QChar(0xFC), "UE"}, {QChar(0xF6), "OE"}, {QChar(0xE4), "AE"},
        {QChar(0xDC), "UE"}, {QChar(0xD6), "OE"}, {QChar(0xC4), "AE"}};
    for (const auto &[umlaut, letters] : umlauts)
        expanded.replace(umlaut, QLatin1String(letters));
    return MakeSortKey(expanded);
}

QStringList CountryChoice::filesOf(const QString &code) const
{
    QStringList names = {PlacePrefix + code + QStringLiteral(".txt"), TablePrefix + code + QStringLiteral(".txt")};
    // Older databases kept part of the US states' rules in five extra tables; ours
    // keeps each state's table whole, so they are copied only where they exist.
    if (code.startsWith(QStringLiteral("US")))
        for (int i = 1; i <= 5; ++i) {
            const QString table = TablePrefix + QStringLiteral("US%1.txt").arg(i);
            if (QFileInfo::exists(databaseFolder() + u'/' + table))
                names.append(table);
        }
    return names;
}

bool CountryChoice::save(const QStringList &codes)
{
    return rebuildMirror(codes) && storeOnDevice();
}

bool CountryChoice::rebuildMirror(const QStringList &codes)
{
    // Codes come from the country file; one that could name a file elsewhere is refused.
    for (const QString &code : codes)
        if (DatabaseFile::pathFor(databaseFolder(), PlacePrefix, code).isEmpty()) {
            m_sink.showMessage(tr("The country code \"%1\" cannot name a place file.").arg(code));
            return false;
        }
    const QString mirror = mirrorFolder();
    std::error_code error;
    const std::optional<QStringList> old = filesIn(mirror, error);
    if (!old) {
        m_device.ReportSystemError(error, DeviceLink::FileAction::List, mirror);
        return false;
    }
    for (const QString &name : *old) {
        fs::remove(FileCopy::native(mirror + u'/' + name), error);
        if (error) {
            m_device.ReportSystemError(error, DeviceLink::FileAction::Delete, mirror + u'/' + name);
            return false;
        }
    }
    QStringList names;
    for (const QString &code : codes)
        names += filesOf(code);
    names.removeDuplicates(); // the US states share their extra tables
    for (const QString &name : names) {
        error = FileCopy::mirror(databaseFolder() + u'/' + name, mirror + u'/' + name);
        if (error) {
            m_device.ReportSystemError(error, DeviceLink::FileAction::Copy, databaseFolder() + u'/' + name);
            return false;
        }
    }
    return true;
}

bool CountryChoice::storeOnDevice()
{
    const QString deviceFolder = m_device.programPath(PlaceDatabase::FolderName);
    if (deviceFolder.isEmpty())
        return false;
    if (!m_device.DeletePlaceFiles(deviceFolder))
        return false;

    const QString mirror = mirrorFolder();
    std::error_code error;
    const std::optional<QStringList> chosen = filesIn(mirror, error);
    if (!chosen) {
        m_device.ReportSystemError(error, DeviceLink::FileAction::List, mirror);
        return false;
    }
    for (const QString &name : *chosen)
        if (!m_device.CopyFileToDevice(mirror + u'/' + name, deviceFolder + u'\\' + name))
            return false;
    for (const QString &name : SharedFiles)
        if (!m_device.CopyFileToDevice(databaseFolder() + u'/' + name, deviceFolder + u'\\' + name))
            return false;
    return true;
}

} // namespace orvel
