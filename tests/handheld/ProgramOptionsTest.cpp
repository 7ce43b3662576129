#include "handheld/ProgramOptions.h"
#include "handheld/ScaleChoice.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace orvel;

namespace {

struct OptionsCase {
    const char *name;
    QStringList arguments;
    bool valid;
    int scale;
};

class ProgramOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(ProgramOptionsTest, AcceptsOrSaysWhatIsWrongInOneLine)
{
    QString problem;
    const std::optional<ProgramOptions> options = ProgramOptions::parse(GetParam().arguments, problem);
    EXPECT_EQ(options.has_value(), GetParam().valid) << problem.toStdString();
    if (options)
        EXPECT_EQ(options->scale, GetParam().scale);
    else
        EXPECT_FALSE(problem.isEmpty() || problem.contains(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ProgramOptionsTest,
    ::testing::Values(
        OptionsCase{"NoneGivesScaleTwo", {}, true, 2},
        OptionsCase{"ScaleOne", {"--scale", "1"}, true, 1},
        OptionsCase{"AllOptions", {"--root", "/tmp", "--now", "01.02.2003 04:05:06", "--scale", "8", "--quit-after-first-paint"}, true, 8},
        OptionsCase{"ScaleZero", {"--scale", "0"}, false, 0},
        OptionsCase{"ScaleNine", {"--scale", "9"}, false, 0},
        OptionsCase{"ScaleNotANumber", {"--scale", "x"}, false, 0},
        OptionsCase{"UnknownOption", {"--bogus"}, false, 0},
        OptionsCase{"PlainArgument", {"chart.xml"}, false, 0},
        OptionsCase{"RootWithoutValue", {"--root"}, false, 0},
        OptionsCase{"ImpossibleDate", {"--now", "31.02.2020 00:00:00"}, false, 0},
        OptionsCase{"ShortDate", {"--now", "1.2.2020 00:00"}, false, 0}),
    [](const ::testing::TestParamInfo<OptionsCase> &info) { return info.param.name; });

TEST(ProgramOptions, KeepsRootAndNow)
{
    QString problem;
    const auto options = ProgramOptions::parse({"--now", "08.12.2026 14:30:00", "--root", "/opt/x"}, problem);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->root, QStringLiteral("/opt/x"));
    EXPECT_EQ(options->now, DateTime(2026, 12, 8, 14, 30, 0));
    EXPECT_TRUE(options->reply.isEmpty());
}

// --help and --version answer instead of running; a wrong option beside them still fails.
TEST(ProgramOptions, HelpNamesEveryOptionAndVersionTheRelease)
{
    QString problem;
    const auto help = ProgramOptions::parse({"--help"}, problem);
    ASSERT_TRUE(help);
    for (const char *option : {"--root", "--now", "--scale", "--quit-after-first-paint", "--version"})
        EXPECT_TRUE(help->reply.contains(QLatin1StringView(option))) << option;
    EXPECT_TRUE(help->reply.startsWith(QStringLiteral("Usage: OrvelWin ")));
    const auto version = ProgramOptions::parse({"--version"}, problem);
    ASSERT_TRUE(version);
    EXPECT_TRUE(version->reply.contains(QRegularExpression(QStringLiteral("^OrvelWin \\d+\\.\\d+"))));
    EXPECT_FALSE(ProgramOptions::parse({"--help", "--bogus"}, problem));
}

struct ScaleCase {
    const char *name;
    int requested;
    QSize screen;
    int chosen;
};

class ScaleChoiceTest : public ::testing::TestWithParam<ScaleCase> {};

// A window of the wheel's 240 x 270 per scale step plus 60 pixels of bar and frame.
QSize modelWindow(int scale)
{
    return QSize(240 * scale, 270 * scale + 60);
}

TEST_P(ScaleChoiceTest, TakesTheLargestThatFitsUpToTheOneAskedFor)
{
    const ScaleCase &c = GetParam();
    const int chosen = ScaleChoice::largestFitting(c.requested, c.screen, modelWindow);
    EXPECT_EQ(chosen, c.chosen);
    const QString notice = ScaleChoice::notice(c.requested, chosen, c.screen);
    EXPECT_EQ(notice.isEmpty(), chosen == c.requested);
    EXPECT_FALSE(notice.contains(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScaleChoiceTest,
    ::testing::Values(ScaleCase{"FitsAsAsked", 2, {1280, 1024}, 2},
                      ScaleCase{"EightOn1280x1024GivesThree", 8, {1280, 1024}, 3},
                      ScaleCase{"FourOn1280x1024GivesThree", 4, {1280, 1024}, 3},
                      ScaleCase{"ExactFit", 3, {720, 870}, 3},
                      ScaleCase{"OnePixelShort", 3, {720, 869}, 2},
                      ScaleCase{"WidthDecides", 4, {959, 2000}, 3},
                      ScaleCase{"FourKScreen", 8, {3840, 2160}, 7},
                      ScaleCase{"TinyScreenStillOne", 3, {200, 200}, 1},
                      ScaleCase{"OneStaysOne", 1, {100, 100}, 1}),
    [](const ::testing::TestParamInfo<ScaleCase> &info) { return info.param.name; });

TEST(ScaleChoice, NoticeNamesBothScalesAndTheScreen)
{
    EXPECT_EQ(ScaleChoice::notice(8, 3, {1280, 1024}),
              QStringLiteral("scale 8 does not fit the screen's 1280 x 1024 pixels; using scale 3"));
}

} // namespace
