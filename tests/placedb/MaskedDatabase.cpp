#include "MaskedDatabase.h"

#include "placedb/FieldReader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
const QString FixtureFolder = QStringLiteral(ORVEL_TEST_DATA_DIR "/placedb");
}

MaskedDatabase::MaskedDatabase()
{
    EXPECT_TRUE(m_dir.isValid());
    EXPECT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("OrvelDB")));
    const QStringList names = QDir(FixtureFolder).entryList(QDir::Files);
    EXPECT_FALSE(names.isEmpty());
    for (const QString &name : names)
        write(name, fixture(name));
}

void MaskedDatabase::write(const QString &name, const QByteArray &plain) const
{
    QByteArray masked = plain;
    orvel::FieldReader::UnmaskBuffer(masked.data(), masked.size());
    QFile file(folder() + u'/' + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(masked), masked.size());
}

void MaskedDatabase::remove(const QString &name) const
{
    ASSERT_TRUE(QFile::remove(folder() + u'/' + name));
}

QByteArray MaskedDatabase::fixture(const QString &name)
{
    QFile file(FixtureFolder + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}
