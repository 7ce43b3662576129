#include "desktop/DeviceWorkingCopy.h"

#include "desktop/DeviceLink.h"
#include "platform/MessageSink.h"

#include <utility>

namespace orvel {

DeviceWorkingCopy::DeviceWorkingCopy(DeviceLink &device, MessageSink &sink, QString deviceName, QString path)
    : m_device(device), m_sink(sink), m_deviceName(std::move(deviceName)), m_path(std::move(path))
{
}

DeviceWorkingCopy::Fetched DeviceWorkingCopy::fetch()
{
    const Result<QString> handheldFile = m_device.programPath(m_deviceName);
    if (!handheldFile) {
        m_sink.showFailure(handheldFile);
        return Fetched::Failed;
    }
    const Result<> copied = m_device.CopyFileFromDevice(handheldFile.value(), m_path);
    m_sink.showFailure(copied);
    if (copied)
        return Fetched::Copied;
    return copied.status() == ResultStatus::Missing ? Fetched::Missing : Fetched::Failed;
}

bool DeviceWorkingCopy::store(const QString &file)
{
    const Result<QString> handheldFile = m_device.programPath(m_deviceName);
    const Result<> stored = handheldFile ? m_device.CopyFileToDevice(file, handheldFile.value()) : Result<>::passOn(handheldFile);
    m_sink.showFailure(stored);
    return stored.ok();
}

} // namespace orvel
