#pragma once

#include "platform/Result.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QString>

namespace orvel {

// The standard texts for file errors shown to the user; each names the file.
class FileError {
    Q_DECLARE_TR_FUNCTIONS(FileError)

public:
    // For a file that could not be opened, read or written, with the device's reason.
    static QString message(const QString &path, QFileDevice::FileError error, const QString &reason);
    // The failed result of that access: Missing when the file or its folder does not
    // exist, Failed otherwise, with message().
    static Result<> failure(const QString &path, QFileDevice::FileError error, const QString &reason);
    // True when the reason is that the file or its folder does not exist.
    static bool isMissing(const QString &path);
};

} // namespace orvel
