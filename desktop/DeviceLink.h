#pragma once

#include "platform/Result.h"

#include <QCoreApplication>
#include <QString>

#include <system_error>

namespace orvel {

class MessageSink;

// The link to the handheld, reached as a folder that stands for its file system (a
// mounted device, a memory card, a network mount): the "device root". Holds no
// connection between calls; every call looks at the folder anew. Only the connection
// test talks to the user; the other calls answer with a result for the caller to show.
class DeviceLink {
    Q_DECLARE_TR_FUNCTIONS(DeviceLink)
public:
    // Registry key and value under HKEY_LOCAL_MACHINE in which the handheld program's
    // installer records its install folder.
    static inline const QString InstallKey =
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tamrex Solution + Jorin Falk OrvelWin CE");
    static inline const QString InstallValue = QStringLiteral("InstallDir");
    // The handheld's registry, in the device root.
    static inline const QString RegistryFileName = QStringLiteral("registry.reg");

    // `retryMs`: how long the connection test waits before it asks again. `sink`
    // shows messages and questions and must outlive the link.
    DeviceLink(QString deviceRoot, MessageSink &sink, int retryMs = 1000);

    // True once the device root exists and holds the registry. Until then it waits
    // `retryMs` with the event loop running and asks the user to connect the handheld,
    // again after each Yes; false after No, with no further message.
    bool ConnectDevice();

    // The handheld program's install folder as a handheld path; fails when the registry
    // file, its key or its value is missing, or when the folder it names does not exist
    // on the handheld.
    Result<QString> GetDeviceInstallDir();

    // Connects, then the handheld path of `name` inside the install folder
    // ("<InstallDir>\name"). Fails when either step fails, without a message when the
    // user declined to connect.
    Result<QString> programPath(const QString &name);

    // Copies a PC file to the handheld, replacing the handheld file only once the new
    // one is complete. Missing folders are created only inside an existing install
    // folder. Fails when either side fails.
    Result<> CopyFileToDevice(const QString &pcPath, const QString &handheldPath);

    // Copies a handheld file to the PC the same way. Missing, without a message, when
    // the handheld file does not exist; Failed without a message when it cannot be
    // read (the PC file is left as it was), with one when the PC file cannot be written
    // or the path leaves the device root.
    Result<> CopyFileFromDevice(const QString &handheldPath, const QString &pcPath);

    // Deletes the files of handheld folder `handheldFolder` whose names hold an
    // underscore and a dot (place files and time tables); a missing folder has none.
    // Stops at the first failure.
    Result<> DeletePlaceFiles(const QString &handheldFolder);

    // The local path of a handheld path; fails when it would leave the device root.
    Result<QString> localPath(const QString &handheldPath);

    // What was done to a file when it failed, as the failure's message names it.
    enum class FileAction { List, Delete, Write };

    // A failure on the PC's or on the handheld's files: "Cannot <action> <path>: <the
    // system's text>".
    static Result<> failure(const std::error_code &error, FileAction action, const QString &path);

private:
    bool present() const;
    // The install folder's local path.
    Result<QString> installFolder();

    QString m_root;
    MessageSink &m_sink;
    int m_retryMs;
};

} // namespace orvel
