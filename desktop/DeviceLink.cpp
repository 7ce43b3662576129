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

Result<QString> DeviceLink::GetDeviceInstallDir()
{
    // The registry's failures give the system's text alone, as the handheld's tools did.
    const auto systemText = [](std::errc error) {
        return Result<QString>::failed(ResultStatus::Failed, QString::fromLocal8Bit(std::make_error_code(error).message()));
    };
    QFile file(m_root + u'/' + RegistryFileName);
    if (!file.open(QIODevice::ReadOnly))
        return systemText(FileError::isMissing(file.fileName()) ? std::errc::no_such_file_or_directory
                                                                 : std::errc::permission_denied);
    const std::optional<RegistryFile> registry = RegistryFile::parse(file.readAll());
    const std::optional<QString> dir = registry ? registry->value(InstallKey, InstallValue) : std::nullopt;
    if (!dir)
        return systemText(std::errc::no_such_file_or_directory);
    // Only a folder the handheld program was installed into may receive its files.
    const std::optional<QString> local = DevicePath::resolve(m_root, *dir);
    if (!local || !QFileInfo(*local).isDir()) {
        return Result<QString>::failed(ResultStatus::Missing,
                                       tr("The install folder %1 named in the device's registry does not exist.").arg(*dir));
    }
    return *dir;
}

Result<QString> DeviceLink::installFolder()
{
    const Result<QString> installDir = GetDeviceInstallDir();
    return installDir ? localPath(installDir.value()) : installDir;
}

Result<QString> DeviceLink::programPath(const QString &name)
{
    if (!ConnectDevice())
        return Result<QString>::failed(ResultStatus::Failed, QString()); // the user said No: nothing more to tell
    const Result<QString> installDir = GetDeviceInstallDir();
    return installDir ? installDir.value() + u'\\' + name : installDir;
}

Result<QString> DeviceLink::localPath(const QString &handheldPath)
{
    if (const std::optional<QString> path = DevicePath::resolve(m_root, handheldPath))
        return *path;
    return Result<QString>::failed(
        ResultStatus::Failed,
        tr("%1 lies outside the device folder %2.").arg(handheldPath, QDir::toNativeSeparators(m_root)));
}

Result<> DeviceLink::CopyFileToDevice(const QString &pcPath, const QString &handheldPath)
{
    if (!QFileInfo(pcPath).isFile())
        return FileError::failure(pcPath, QFileDevice::OpenError, tr("not a file"));
    const Result<QString> target = localPath(handheldPath);
    if (!target)
        return Result<>::passOn(target);
    // Missing folders are made only inside the install folder (its OrvelDB), never the
    // install folder itself or a tree elsewhere on the handheld.
    const QString folder = QFileInfo(target.value()).path();
    if (!QFileInfo(folder).isDir()) {
        const Result<QString> install = installFolder();
        if (!install)
            return Result<>::passOn(install);
        if (!folder.startsWith(install.value() + u'/')) {
            return Result<>::failed(ResultStatus::Missing,
                                    tr("The folder of %1 does not exist on the device.").arg(handheldPath));
        }
        std::error_code error;
        fs::create_directories(FileCopy::native(folder), error);
        if (error)
            return failure(error, FileAction::Write, target.value());
    }
    return FileCopy::replace(pcPath, target.value());
}

Result<> DeviceLink::CopyFileFromDevice(const QString &handheldPath, const QString &pcPath)
{
    const Result<QString> source = localPath(handheldPath);
    if (!source)
        return Result<>::passOn(source);
    // The handheld's file fails without a message: the caller knows what its absence means.
    if (!QFileInfo::exists(source.value()))
        return Result<>::failed(ResultStatus::Missing, QString());
    if (!QFileInfo(source.value()).isFile() || !QFileInfo(source.value()).isReadable())
        return Result<>::failed(ResultStatus::Failed, QString());
    return FileCopy::replace(source.value(), pcPath);
}

Result<> DeviceLink::DeletePlaceFiles(const QString &handheldFolder)
{
    const Result<QString> folder = localPath(handheldFolder);
    if (!folder)
        return Result<>::passOn(folder);
    if (!QFileInfo(folder.value()).isDir())
        return {};
    std::error_code error;
    for (fs::directory_iterator it(FileCopy::native(folder.value()), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        const auto underscore = name.find('_');
        if (underscore == std::string::npos || name.find('.', underscore) == std::string::npos
            || it->is_directory(error))
            continue;
        fs::remove(it->path(), error);
        if (error)
            return failure(error, FileAction::Delete, QFile::decodeName(it->path().c_str()));
    }
    if (error)
        return failure(error, FileAction::List, folder.value());
    return {};
}

Result<> DeviceLink::failure(const std::error_code &error, FileAction action, const QString &path)
{
    // One whole sentence per action, so that a language can place the verb where it belongs.
    const QString sentence = [action] {
        switch (action) {
        case FileAction::List:
            return tr("Cannot list %1: %2");
        case FileAction::Delete:
            return tr("Cannot delete %1: %2");
        case FileAction::Write:
            return tr("Cannot write %1: %2");
        }
        return QString();
    }();
    const ResultStatus status =
        error == std::errc::no_such_file_or_directory ? ResultStatus::Missing : ResultStatus::Failed;
    return Result<>::failed(status,
                            sentence.arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(error.message())));
}

} // namespace orvel
