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

// The regular files of `folder`, by name.
Result<QStringList> filesIn(const QString &folder)
{
    QStringList names;
    std::error_code error;
    for (fs::directory_iterator it(FileCopy::native(folder), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.front() != '.' && !it->is_directory(error) && !error)
            names.append(QFile::decodeName(name.c_str()));
    }
    if (error)
        return Result<QStringList>::passOn(DeviceLink::failure(error, DeviceLink::FileAction::List, folder));
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
    const Result<QStringList> names = filesIn(mirrorFolder());
    if (!names) {
        m_sink.showFailure(names);
        return std::nullopt;
    }
    return placeCodes(names.value());
}

std::optional<QSet<QString>> CountryChoice::chosenCodes()
{
    return hasMirror() ? mirroredCodes() : deviceCodes();
}

std::optional<QSet<QString>> CountryChoice::deviceCodes()
{
    // An unreachable handheld has already said why; the lists then open with nothing chosen.
    const Result<QString> handheldFolder = m_device.programPath(PlaceDatabase::FolderName);
    const Result<QString> folder = handheldFolder ? m_device.localPath(handheldFolder.value()) : handheldFolder;
    m_sink.showFailure(folder);
    if (!folder || !QFileInfo(folder.value()).isDir())
        return QSet<QString>();
    const Result<QStringList> names = filesIn(folder.value());
    if (!names) {
        m_sink.showFailure(names);
        return std::nullopt;
    }
    return placeCodes(names.value());
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
    const Result<QStringList> old = filesIn(mirror);
    if (!old) {
        m_sink.showFailure(old);
        return false;
    }
    for (const QString &name : old.value()) {
        std::error_code error;
        fs::remove(FileCopy::native(mirror + u'/' + name), error);
        if (error) {
            m_sink.showFailure(DeviceLink::failure(error, DeviceLink::FileAction::Delete, mirror + u'/' + name));
            return false;
        }
    }
    QStringList names;
    for (const QString &code : codes)
        names += filesOf(code);
    names.removeDuplicates(); // the US states share their extra tables
    for (const QString &name : names) {
        if (const Result<> mirrored = FileCopy::mirror(databaseFolder() + u'/' + name, mirror + u'/' + name); !mirrored) {
            m_sink.showFailure(mirrored);
            return false;
        }
    }
    return true;
}

bool CountryChoice::storeOnDevice()
{
    const Result<QString> deviceFolder = m_device.programPath(PlaceDatabase::FolderName);
    if (!deviceFolder) {
        m_sink.showFailure(deviceFolder);
        return false;
    }
    if (const Result<> deleted = m_device.DeletePlaceFiles(deviceFolder.value()); !deleted) {
        m_sink.showFailure(deleted);
        return false;
    }
    const Result<QStringList> chosen = filesIn(mirrorFolder());
    if (!chosen) {
        m_sink.showFailure(chosen);
        return false;
    }
    const auto store = [&](const QString &folder, const QString &name) {
        const Result<> copied = m_device.CopyFileToDevice(folder + u'/' + name, deviceFolder.value() + u'\\' + name);
        m_sink.showFailure(copied);
        return copied.ok();
    };
    for (const QString &name : chosen.value())
        if (!store(mirrorFolder(), name))
            return false;
    for (const QString &name : SharedFiles)
        if (!store(databaseFolder(), name))
            return false;
    return true;
}

} // namespace orvel
