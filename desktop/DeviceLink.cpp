#include "desktop/DeviceLink.h"

#include "desktop/DevicePath.h"
#include "desktop/FileCopy.h"
#include "desktop/RegistryFile.h"
#include "platform/FileError.h"
#include "platform/MessageSink.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <filesystem>

namespace orvel {

namespace fs = std::filesystem;

DeviceLink::DeviceLink(QString deviceRoot, MessageSink &sink, int retryMs)
    : m_root(std::move(deviceRoot)), m_sink(sink), m_retryMs(retryMs)
{
}

bool DeviceLink::present() const
{
    return QFileInfo(m_root).isDir() && QFileInfo(m_root + u'/' + RegistryFileName).isFile();
}

bool DeviceLink::ConnectDevice()
{
    if (present())
        return true;
    for (;;) {
        // The event loop runs meanwhile, so windows repaint and a mount can finish.
        QEventLoop wait;
        QTimer::singleShot(m_retryMs, &wait, &QEventLoop::quit);
        wait.exec();
        if (present())
            return true;
        if (!m_sink.askYesNo(tr("Please connect your PDA to ActiveSync.")))
            return false;
    }
}

QString DeviceLink::GetDeviceInstallDir()
{
    QFile file(m_root + u'/' + RegistryFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportSystemError(std::make_error_code(FileError::isMissing(file.fileName()) ? std::errc::no_such_file_or_directory
                                                                                    : std::errc::permission_denied));
        return {};
    }
    const std::optional<RegistryFile> registry = RegistryFile::parse(file.readAll());
    const std::optional<QString> dir = registry ? registry->value(InstallKey, InstallValue) : std::nullopt;
    if (!dir) {
        ReportSystemError(std::make_error_code(std::errc::no_such_file_or_directory));
        return {};
    }
    // Only a folder the handheld program was installed into may receive its files.
    const std::optional<QString> local = DevicePath::resolve(m_root, *dir);
    if (!local || !QFileInfo(*local).isDir()) {
        m_sink.showMessage(
            tr("The install folder %1 named in the device's registry does not exist.").arg(*dir));
        return {};
    }
    return *dir;
}

QString DeviceLink::installFolder()
{
    const QString installDir = GetDeviceInstallDir();
    return installDir.isEmpty() ? QString() : localPath(installDir);
}

QString DeviceLink::programPath(const QString &name)
{
    if (!ConnectDevice())
        return {};
    const QString installDir = GetDeviceInstallDir();
    return installDir.isEmpty() ? QString() : installDir + u'\\' + name;
}

QString DeviceLink::localPath(const QString &handheldPath)
{
    if (const std::optional<QString> path = DevicePath::resolve(m_root, handheldPath))
        return *path;
    m_sink.showMessage(tr("%1 lies outside the device folder %2.").arg(handheldPath, QDir::toNativeSeparators(m_root)));
    return {};
}

bool DeviceLink::CopyFileToDevice(const QString &pcPath, const QString &handheldPath)
{
    if (!QFileInfo(pcPath).isFile()) {
        m_sink.showMessage(FileError::message(pcPath, QFileDevice::OpenError, tr("not a file")));
        return false;
    }
    const QString target = localPath(handheldPath);
    if (target.isEmpty())
        return false;
    // Missing folders are made only inside the install folder (its OrvelDB), never the
    // install folder itself or a tree elsewhere on the handheld.
    const QString folder = QFileInfo(target).path();
    std::error_code error;
    if (!QFileInfo(folder).isDir()) {
        const QString install = installFolder();
        if (install.isEmpty())
            return false;
        if (!folder.startsWith(install + u'/')) {
            m_sink.showMessage(tr("The folder of %1 does not exist on the device.").arg(handheldPath));
            return false;
        }
        fs::create_directories(FileCopy::native(folder), error);
    }
    if (!error)
        error = FileCopy::replace(pcPath, target);
    if (error) {
        ReportSystemError(error, FileAction::Write, target);
        return false;
    }
    return true;
}

bool DeviceLink::CopyFileFromDevice(const QString &handheldPath, const QString &pcPath)
{
    const std::optional<QString> source = DevicePath::resolve(m_root, handheldPath);
    if (!source || !QFileInfo(*source).isFile())
        return false;
    if (const std::error_code error = FileCopy::replace(*source, pcPath)) {
        ReportSystemError(error, FileAction::Write, pcPath);
        return false;
    }
    return true;
}

bool DeviceLink::DeletePlaceFiles(const QString &handheldFolder)
{
    const QString folder = localPath(handheldFolder);
    if (folder.isEmpty())
        return false;
    if (!QFileInfo(folder).isDir())
        return true;
    std::error_code error;
    // What failed: the listing of the folder, or the deletion of one of its files.
    FileAction action = FileAction::List;
    QString failed = folder;
    for (fs::directory_iterator it(FileCopy::native(folder), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const auto underscore = name.find('_');
        if (underscore == std::string::npos || name.find('.', underscore) == std::string::npos
            || it->is_directory(error))
            continue;
        fs::remove(it->path(), error);
        if (error) {
            action = FileAction::Delete;
            failed = QFile::decodeName(it->path().c_str());
            break;
        }
    }
    if (error) {
        ReportSystemError(error, action, failed);
        return false;
    }
    return true;
}

void DeviceLink::ReportSystemError(const std::error_code &error)
{
    m_sink.showMessage(QString::fromLocal8Bit(error.message()));
}

void DeviceLink::ReportSystemError(const std::error_code &error, FileAction action, const QString &path)
{
    // One whole sentence per action, so that a language can place the verb where it belongs.
    const QString sentence = [action] {
        switch (action) {
        case FileAction::List:
            return tr("Cannot list %1: %2");
        case FileAction::Delete:
            return tr("Cannot delete %1: %2");
        case FileAction::Copy:
            return tr("Cannot copy %1: %2");
        case FileAction::Write:
            return tr("Cannot write %1: %2");
        }
        return QString();
    }();
    m_sink.showMessage(sentence.arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(error.message())));
}

} // namespace orvel
