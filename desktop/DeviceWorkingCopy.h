#pragma once

#include <QString>

namespace orvel {

class DeviceLink;
class MessageSink;

// A file of the handheld program's folder, worked on in a copy on the PC: fetched from
// the handheld, read and rewritten on the PC, stored back on the handheld.
class DeviceWorkingCopy {
public:
    // `deviceName`: the file's name in the handheld program's folder; `path`: the PC
    // copy's path. `device` and `sink`, which is told why a step failed, must outlive
    // the object.
    DeviceWorkingCopy(DeviceLink &device, MessageSink &sink, QString deviceName, QString path);

    // The PC copy's path.
    const QString &path() const { return m_path; }

    enum class Fetched {
        Copied,  // the PC copy now holds the handheld's file
        Missing, // the handheld holds no such file: storing loses nothing there
        Failed,  // the handheld or its file could not be reached or read
    };
    // Copies the handheld's file over the PC copy; the PC copy stays as it was unless
    // Copied. A handheld file that is there but cannot be read fails without a message.
    Fetched fetch();
    // Copies `file` (the PC copy, or one written in its stead) to the handheld; false,
    // after a message, when it could not be stored.
    bool store(const QString &file);

private:
    DeviceLink &m_device;
    MessageSink &m_sink;
    QString m_deviceName;
    QString m_path;
};

} // namespace orvel
