#include "DesktopFolders.h"

#include "placedb/FieldReader.h"

#include <QDir>
#include <QFile>
#include <QTest>

DesktopFolders::DesktopFolders(const QStringList &countries)
{
    QByteArray country;
    for (const QString &line : countries) {
        country += line.toLatin1() + "\t\t\t\t\t\r\n";
        const QString code = line.section(u'\t', 0, 0);
        writeFile(program() + QStringLiteral("/OrvelDB/Orte_%1.txt").arg(code), "places of " + code.toLatin1());
        writeFile(program() + QStringLiteral("/OrvelDB/Ttable_%1.txt").arg(code), "table of " + code.toLatin1());
    }
    orvel::FieldReader::UnmaskBuffer(country.data(), country.size());
    writeFile(program() + QStringLiteral("/OrvelDB/Country.txt"), country);
    writeFile(program() + QStringLiteral("/OrvelDB/Zones.txt"), "new zones");
    writeFile(device() + QStringLiteral("/registry.reg"),
              "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tamrex Solution + Jorin Falk OrvelWin CE]\r\n"
              "\"InstallDir\"=\"\\\\Program Files\\\\OrvelWin\"\r\n");
    QVERIFY(QDir().mkpath(deviceDatabase()));
}

void DesktopFolders::writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray DesktopFolders::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList DesktopFolders::filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
