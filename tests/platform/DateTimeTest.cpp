#include "platform/DateTime.h"
#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

using orvel::DateTime;

TEST(DateTime, ValidityFollowsTheCalendarAndTheYearRange)
{
    EXPECT_TRUE(DateTime(2000, 2, 29).isValid());
    EXPECT_FALSE(DateTime(1900, 2, 29).isValid());
    EXPECT_FALSE(DateTime(2000, 2, 31).isValid());
    EXPECT_FALSE(DateTime(99, 1, 1).isValid());
    EXPECT_TRUE(DateTime(100, 1, 1).isValid());
    EXPECT_TRUE(DateTime(9999, 12, 31, 23, 59, 59).isValid());
    EXPECT_FALSE(DateTime(10000, 1, 1).isValid());
    EXPECT_FALSE(DateTime(2000, 1, 1, 24, 0, 0).isValid());
    EXPECT_FALSE(DateTime(2000, 1, 1, 0, 60, 0).isValid());
    EXPECT_FALSE(DateTime().isValid());
}

TEST(DateTime, OrdersChronologicallyToTheSecond)
{
    EXPECT_LT(DateTime(1999, 12, 31, 23, 59, 59), DateTime(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(DateTime(2000, 1, 1, 0, 0, 1).serialSeconds() - DateTime(2000, 1, 1).serialSeconds(), 1);
    EXPECT_EQ(DateTime(2001, 1, 1).serialSeconds() - DateTime(2000, 1, 1).serialSeconds(), 366 * 86400);
    EXPECT_EQ(DateTime(1970, 1, 1).serialSeconds() - DateTime(1969, 12, 31).serialSeconds(), 86400);
}

TEST(DateTime, TextRoundTripUsesFixedPositions)
{
    EXPECT_EQ(DateTime(1970, 12, 7, 14, 5, 0).toText(), QStringLiteral("07.12.1970 14:05:00"));
    EXPECT_EQ(DateTime(999, 5, 6, 7, 8, 9).toText(), QStringLiteral("06.05.0999 07:08:09"));
    EXPECT_EQ(DateTime::fromText(DateTime(100, 1, 1).toText()), DateTime(100, 1, 1));
    EXPECT_EQ(DateTime::fromText(QStringLiteral("07.12.1970 14:05:00")), DateTime(1970, 12, 7, 14, 5, 0));
    EXPECT_EQ(DateTime::fromText(QStringLiteral("07/12/1970-14h05m00")), DateTime(1970, 12, 7, 14, 5, 0));
    EXPECT_FALSE(DateTime::fromText(QStringLiteral("07.12.1970 14:05")).isValid());
    EXPECT_FALSE(DateTime::fromText(QStringLiteral("31.02.2000 10:00:00")).isValid());
}

TEST(DecimalValue, ReadsLikeAtoi)
{
    EXPECT_EQ(orvel::decimalValue(QStringLiteral("  42abc")), 42);
    EXPECT_EQ(orvel::decimalValue(QStringLiteral("-7")), -7);
    EXPECT_EQ(orvel::decimalValue(QStringLiteral("x1")), 0);
    EXPECT_EQ(orvel::decimalValue(QString()), 0);
    EXPECT_EQ(orvel::decimalValue(QStringLiteral("99999999999999999999")), 2147483647);
}

TEST(ProgramFolder, CutsBeforeTheLastSeparator)
{
    EXPECT_EQ(orvel::ProgramFolder::folderOfModule(QStringLiteral("\\Program Files\\OrvelWin\\OrvelWin.exe")),
              QStringLiteral("\\Program Files\\OrvelWin"));
    EXPECT_EQ(orvel::ProgramFolder::folderOfModule(QStringLiteral("/opt/orvel/OrvelWin")), QStringLiteral("/opt/orvel"));
    EXPECT_EQ(orvel::ProgramFolder::resolve(QStringLiteral("/tmp/demo/")), QStringLiteral("/tmp/demo"));
    EXPECT_EQ(orvel::ProgramFolder::resolve(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_FALSE(orvel::ProgramFolder::resolve(QString()).isEmpty());
}

TEST(DateTimeTest, SerialSecondsConvertBack)
{
    for (const DateTime &d : {DateTime(100, 1, 1), DateTime(1582, 10, 15, 12, 0, 1), DateTime(1900, 2, 28, 23, 59, 59),
                              DateTime(2000, 2, 29, 6, 30, 0), DateTime(2100, 3, 1), DateTime(9999, 12, 31, 23, 59, 59)}) {
        ASSERT_TRUE(d.isValid());
        EXPECT_EQ(DateTime::fromSerialSeconds(d.serialSeconds()), d) << d.toText().toStdString();
    }
    EXPECT_FALSE(DateTime::fromSerialSeconds(-1).isValid());
    EXPECT_FALSE(DateTime::fromSerialSeconds(DateTime(9999, 12, 31, 23, 59, 59).serialSeconds() + 1).isValid());
}
