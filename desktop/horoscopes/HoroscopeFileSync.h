#pragma once

#include "desktop/DeviceWorkingCopy.h"
#include "engine/HoroscopeRecord.h"
#include "platform/AtomicFileWriter.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace orvel {

class DeviceLink;
struct FileDamage;
class MessageSink;

// The handheld's horoscope file as the horoscope manager works on it: fetched into a
// working copy beside the program at opening, the copy rewritten after every change,
// and stored back on the handheld at Exit, asked first when the list shown may lack
// horoscopes of the handheld's file.
class HoroscopeFileSync {
    Q_DECLARE_TR_FUNCTIONS(HoroscopeFileSync)

public:
    static inline const QString DeviceFileName = QStringLiteral("Horoskop.xml");
    // Asked at Exit when the device's file could not be fetched at opening.
    static QString staleQuestion();
    // Asked at Exit when the device's file was damaged or had records that could not be read.
    static QString damagedQuestion(int recordsRead);

    // The working copy lies in `programFolder`. `device`, `sink` and `writer` must
    // outlive the object; `writer` writes the files beside the program.
    HoroscopeFileSync(const QString &programFolder, DeviceLink &device, MessageSink &sink, const FileWriter &writer);

    const QString &workingCopy() const { return m_workingCopy.path(); }

    // Fetches the handheld's file and reads the working copy: the horoscopes it holds,
    // none when there is no working copy. A damaged copy is kept beside itself and
    // reported, and the list read from it counts as not yet written.
    std::vector<HoroscopeRecord> open(const DateTime &now);
    // Rewrites the working copy with `records`, the list after a change.
    void write(const std::vector<HoroscopeRecord> &records);
    // Exit: stores `records` on the handheld, after asking when the fetch at opening
    // failed or the handheld's file was damaged.
    void storeAtExit(const std::vector<HoroscopeRecord> &records);

private:
    // Keeps the damaged working copy beside itself and tells the user what was read.
    void reportDamage(const FileDamage &damage);
    // Whether Exit may replace the handheld's file: asked when it may hold more than the list.
    bool storeWanted();
    // Copies `records` to the handheld, written to a fresh file when the working copy
    // cannot take them; says so and leaves the handheld alone when neither can.
    void store(const std::vector<HoroscopeRecord> &records);
    // Writes `records` to `path` through the sync's writer.
    Result<> save(const QString &path, const std::vector<HoroscopeRecord> &records) const;

    DeviceWorkingCopy m_workingCopy;
    MessageSink &m_sink;
    const FileWriter &m_writer;
    bool m_fetchFailed = false;
    bool m_deviceDamaged = false; // the fetched file lost records when it was read
    int m_recordsRead = 0;
    bool m_unsaved = false; // the working copy does not hold the list shown
};

} // namespace orvel
