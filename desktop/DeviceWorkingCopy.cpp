#include "desktop/DeviceWorkingCopy.h"

#include "desktop/DeviceLink.h"

#include <QFileInfo>

#include <utility>

namespace orvel {

DeviceWorkingCopy::DeviceWorkingCopy(DeviceLink &device, QString deviceName, QString path)
    : m_device(device), m_deviceName(std::move(deviceName)), m_path(std::move(path))
{
}

DeviceWorkingCopy::Fetched DeviceWorkingCopy::fetch()
{
    const QString handheldFile = m_device.programPath(m_deviceName);
    if (handheldFile.isEmpty())
        return Fetched::Failed;
    if (m_device.CopyFileFromDevice(handheldFile, m_path))
        return Fetched::Copied;
    const QString local = m_device.localPath(handheldFile);
    return !local.isEmpty() && !QFileInfo::exists(local) ? Fetched::Missing : Fetched::Failed;
}

bool DeviceWorkingCopy::store(const QString &file)
{
    const QString handheldFile = m_device.programPath(m_deviceName);
    return !handheldFile.isEmpty() && m_device.CopyFileToDevice(file, handheldFile);
}

} // namespace orvel
