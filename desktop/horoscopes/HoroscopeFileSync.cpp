#include "desktop/horoscopes/HoroscopeFileSync.h"

#include "platform/MessageSink.h"
#include "platform/WaitCursor.h"
#include "storage/DamagedFileCopy.h"
#include "storage/HoroscopeFile.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

namespace orvel {

QString HoroscopeFileSync::staleQuestion()
{
    return tr("The horoscopes could not be read from the device when this window opened. Replace the device's "
              "horoscope file with this list?");
}

QString HoroscopeFileSync::damagedQuestion(int recordsRead)
{
    return tr("The device's horoscope file was damaged; %n horoscopes could be read. Replace it with this list?",
              nullptr, recordsRead);
}

HoroscopeFileSync::HoroscopeFileSync(const QString &programFolder, DeviceLink &device, MessageSink &sink,
                                     const FileWriter &writer)
    : m_workingCopy(device, sink, DeviceFileName, programFolder + u'/' + QLatin1StringView(HoroscopeFile::FileName)),
      m_sink(sink), m_writer(writer)
{
}

std::vector<HoroscopeRecord> HoroscopeFileSync::open(const DateTime &now)
{
    // A handheld without a horoscope file has nothing that Exit could overwrite.
    m_fetchFailed = m_workingCopy.fetch() == DeviceWorkingCopy::Fetched::Failed;
    const Result<HoroscopeFile::Reading> reading = HoroscopeFile::read(workingCopy(), now);
    m_sink.showDiagnostics(reading.diagnostics());
    if (reading.status() == ResultStatus::Missing)
        return {};
    // A bad record is skipped and the rest read on: ending at it would let the next
    // write and Exit drop every horoscope after it.
    std::vector<HoroscopeRecord> records = reading->records();
    if (reading.status() == ResultStatus::Damaged)
        reportDamage(reading->damage);
    return records;
}

void HoroscopeFileSync::reportDamage(const FileDamage &damage)
{
    m_deviceDamaged = !m_fetchFailed; // after a failed fetch Exit asks anyway
    m_recordsRead = damage.read;
    m_unsaved = true;
    // Every change rewrites the working copy, so the damaged file is kept first.
    const QString report = DamagedFileCopy::keepAndDescribe(damage, FileDamage::Items::Horoscopes, m_writer);
    const QString fromDevice = tr("The horoscope file fetched from the device is damaged.") + u'\n';
    m_sink.showMessage(m_fetchFailed ? report : fromDevice + report);
}

void HoroscopeFileSync::write(const std::vector<HoroscopeRecord> &records)
{
    const Result<> saved = save(workingCopy(), records);
    if (!saved)
        m_sink.showMessage(saved.message());
    m_unsaved = !saved.ok();
}

void HoroscopeFileSync::storeAtExit(const std::vector<HoroscopeRecord> &records)
{
    if (storeWanted())
        store(records);
}

bool HoroscopeFileSync::storeWanted()
{
    // After a failed fetch the working copy may lack what was added on the handheld since.
    return m_fetchFailed ? m_sink.askYesNo(staleQuestion())
                         : !m_deviceDamaged || m_sink.askYesNo(damagedQuestion(m_recordsRead));
}

void HoroscopeFileSync::store(const std::vector<HoroscopeRecord> &records)
{
    WaitCursor busy(m_sink);
    QString listFile = workingCopy();
    std::optional<QTemporaryDir> fresh;
    if (m_unsaved) {
        // The failure is told once, for the last attempt.
        Result<> saved = save(listFile, records);
        m_unsaved = !saved.ok();
        if (m_unsaved) {
            fresh.emplace();
            listFile = fresh->filePath(QLatin1StringView(HoroscopeFile::FileName));
            if (!fresh->isValid() || !(saved = save(listFile, records))) {
                m_sink.showMessage(tr("The changes could not be stored, so the device's horoscope file was left as "
                                      "it was.")
                                   + u'\n' + (fresh->isValid() ? saved.message() : fresh->errorString()));
                return;
            }
        }
    }
    // Nothing to store when no horoscope was ever fetched or written.
    if (!QFileInfo::exists(listFile))
        return;
    m_workingCopy.store(listFile);
}

Result<> HoroscopeFileSync::save(const QString &path, const std::vector<HoroscopeRecord> &records) const
{
    return HoroscopeFile::save(path, records, m_writer);
}

} // namespace orvel
