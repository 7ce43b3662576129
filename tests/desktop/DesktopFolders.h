#pragma once

#include "platform/RecordingMessageSink.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A desktop program folder and a device root in temporary directories. The program
// folder's OrvelDB holds a masked country file of `countries` lines "code<TAB>name"
// and a small place file and time table for each; the device holds a registry that
// names "\Program Files\OrvelWin" and an OrvelDB folder there.
class DesktopFolders {
public:
    explicit DesktopFolders(const QStringList &countries = {});

    QString program() const { return m_program.path(); }
    QString device() const { return m_device.path(); }
    // The handheld's OrvelDB folder as a local path.
    QString deviceDatabase() const { return device() + QStringLiteral("/Program Files/OrvelWin/OrvelDB"); }

    static void writeFile(const QString &path, const QByteArray &bytes);
    static QByteArray readFile(const QString &path);
    // The sorted names of the regular files in `folder`.
    static QStringList filesIn(const QString &folder);

    orvel::RecordingMessageSink sink;

private:
    QTemporaryDir m_program;
    QTemporaryDir m_device;
};
