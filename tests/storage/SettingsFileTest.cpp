#include "storage/SettingsFile.h"

#include "support/FailingFileWriter.h"

#include "StorageTestFiles.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace orvel;
using namespace storagetest;

namespace {

class SettingsFileTest : public testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("orvel.xml")); }

    void save(const ChartSettings &settings)
    {
        const Result<> saved = SettingsFile::save(path(), settings);
        ASSERT_TRUE(saved.ok());
        EXPECT_TRUE(saved.message().isEmpty());
    }

    // Loads `file` over `settings` and returns whether that worked.
    static bool load(const QString &file, ChartSettings &settings)
    {
        testing::internal::CaptureStderr();
        const Result<ChartSettings> loaded = SettingsFile::load(file, settings);
        testing::internal::GetCapturedStderr();
        settings = loaded.value();
        return loaded.ok();
    }

    // The defaults with `xml` (UTF-8) applied over them.
    ChartSettings defaultsWith(const QByteArray &xml)
    {
        writeBytes(path(), xml);
        ChartSettings settings = ChartSettings::defaults();
        EXPECT_TRUE(load(path(), settings));
        return settings;
    }

    QTemporaryDir m_dir;
};

QString goldenDefaults()
{
    return QString::fromUtf8(readBytes(dataFile("orvel_defaults.txt")));
}

} // namespace

TEST_F(SettingsFileTest, DefaultsAreWrittenExactlyAsUtf16InCanonicalOrder)
{
    save(ChartSettings::defaults());
    const QByteArray bytes = readBytes(path());
    ASSERT_TRUE(bytes.startsWith(QByteArray("\xFF\xFE<\0O\0", 6)));
    EXPECT_EQ(utf16Text(bytes), goldenDefaults());

    QXmlStreamReader reader(bytes);
    int values = 0;
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() != u"Orvel_Config")
            ++values;
    }
    EXPECT_EQ(values, 140);
}

TEST_F(SettingsFileTest, RoundTripsEveryValueIncludingOddOnes)
{
    ChartSettings settings = ChartSettings::defaults();
    settings.hideHouses = 1;
    settings.hideAspects = 1;
    settings.scoringSwitch = 0;
    settings.rulerBonus = -4;
    settings.houseSystem = 12;
    settings.orbs[Midheaven][4] = -3;
    settings.orbs[Sun][0] = -99;
    settings.planetValues[Moon] = 99;
    settings.planetColours[Pluto] = rgb(1, 2, 3);
    settings.elementColours[3] = rgb(255, 255, 255);
    settings.aspectColours[0] = rgb(0, 128, 0);
    settings.signGlyphs[11] = 0;
    save(settings);
    ChartSettings loaded{};
    ASSERT_TRUE(load(path(), loaded));
    EXPECT_EQ(loaded, settings);
}

// Planet values, orbs and the ruler bonus beyond -99 .. 99 read like a damaged key: the
// default, and a line on standard error naming the key.
TEST_F(SettingsFileTest, TuningValuesOutsideTheRangeGiveTheDefaultAndALine)
{
    ChartSettings settings = ChartSettings::defaults();
    settings.orbs[Sun][0] = 2147483647;
    settings.planetValues[Venus] = -100;
    settings.rulerBonus = 100;
    settings.planetValues[Mars] = -99;
    save(settings);
    ChartSettings loaded = ChartSettings::defaults();
    loaded.orbs[Sun][0] = 1; // a damaged key gives the default, not what the block held
    const Result<SettingsFile::Reading> reading = SettingsFile::read(path(), loaded);
    const std::string diagnostics = reading.diagnostics().join(u'\n').toStdString();
    ASSERT_TRUE(load(path(), loaded));
    EXPECT_EQ(reading->settings, loaded);
    ChartSettings expected = ChartSettings::defaults();
    expected.planetValues[Mars] = -99;
    EXPECT_EQ(loaded, expected);
    EXPECT_NE(diagnostics.find("Radix_Orbis Index1=0 Index2=0 holds 2147483647"), std::string::npos) << diagnostics;
    EXPECT_NE(diagnostics.find("Planet_Wert Index=3 holds -100"), std::string::npos) << diagnostics;
    EXPECT_NE(diagnostics.find("Punkten_Bewerten holds 100"), std::string::npos) << diagnostics;
    int lines = 0;
    for (auto at = diagnostics.find("outside -99 to 99"); at != std::string::npos;
         at = diagnostics.find("outside -99 to 99", at + 1))
        ++lines;
    EXPECT_EQ(lines, 3) << diagnostics;
}

TEST_F(SettingsFileTest, KeysInAnyOrderAndDepthWriteBackCanonically)
{
    ChartSettings settings{};
    ASSERT_TRUE(load(dataFile("orvel_reordered.xml"), settings));
    EXPECT_EQ(settings, ChartSettings::defaults());
    save(settings);
    EXPECT_EQ(utf16Text(readBytes(path())), goldenDefaults());
}

TEST_F(SettingsFileTest, OneValueChangesOnlyThatValue)
{
    ChartSettings expected = ChartSettings::defaults();
    expected.aspectAngles[3] = 150;
    EXPECT_EQ(defaultsWith("<Orvel_Config><Asp_Grad Index=\"3\">150</Asp_Grad></Orvel_Config>"), expected);
}

struct ElementCase {
    const char *name;
    const char *xml;                 // placed inside the root
    void (*expect)(ChartSettings &); // the change from the defaults
};
void PrintTo(const ElementCase &c, std::ostream *os) { *os << c.xml; }

class SettingsElementTest : public SettingsFileTest, public testing::WithParamInterface<ElementCase> {};

TEST_P(SettingsElementTest, AppliesOverTheDefaults)
{
    ChartSettings expected = ChartSettings::defaults();
    GetParam().expect(expected);
    EXPECT_EQ(defaultsWith("<Orvel_Config>" + QByteArray(GetParam().xml) + "</Orvel_Config>"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, SettingsElementTest,
    testing::Values(
        ElementCase{"IndexPastTheEndIgnored", "<Planet_Wert Index=\"13\">99</Planet_Wert>", [](ChartSettings &) {}},
        ElementCase{"NegativeIndexIgnored", "<Tier_Sign Index=\"-1\">99</Tier_Sign>", [](ChartSettings &) {}},
        ElementCase{"MissingIndexIsZero", "<Planet_Wert>99</Planet_Wert>",
                    [](ChartSettings &s) { s.planetValues[Sun] = 99; }},
        ElementCase{"IndexReadAsInteger", "<Planet_Wert Index=\" 12th\">99</Planet_Wert>",
                    [](ChartSettings &s) { s.planetValues[Midheaven] = 99; }},
        ElementCase{"LastOrbEntry", "<Radix_Orbis Index1=\"12\" Index2=\"4\">-2</Radix_Orbis>",
                    [](ChartSettings &s) { s.orbs[Midheaven][4] = -2; }},
        ElementCase{"SecondIndexOutOfRange", "<Radix_Orbis Index1=\"0\" Index2=\"5\">1</Radix_Orbis>",
                    [](ChartSettings &) {}},
        ElementCase{"OrbsIgnoreTheSingleIndex", "<Radix_Orbis Index=\"3\" Index2=\"2\">1</Radix_Orbis>",
                    [](ChartSettings &s) { s.orbs[Sun][2] = 1; }},
        ElementCase{"ZeroClearsAFlagAndLaterWins", "<Hide_Houses>1</Hide_Houses><Hide_Houses>0</Hide_Houses>",
                    [](ChartSettings &) {}},
        ElementCase{"EmptyTextSetsAFlag", "<Hide_Houses/>", [](ChartSettings &s) { s.hideHouses = 1; }},
        ElementCase{"AnyOtherTextSetsAFlag", "<Hide_Aspects>no</Hide_Aspects><Bewertung> 0</Bewertung>",
                    [](ChartSettings &s) { s.hideAspects = 1; }},
        ElementCase{"IntegerReadLikeAtoi", "<House_System> 12abc</House_System><Punkten_Bewerten>-7</Punkten_Bewerten>",
                    [](ChartSettings &s) {
                        s.houseSystem = 12;
                        s.rulerBonus = -7;
                    }},
        ElementCase{"ColourPartsKeepTheirLowByte", "<Planet_Farbe Index=\"0\">RGB(300, 20, 10)</Planet_Farbe>",
                    [](ChartSettings &s) { s.planetColours[Sun] = rgb(44, 20, 10); }},
        ElementCase{"ColourWithoutCommaIsBlack", "<Element_Farbe Index=\"0\">red</Element_Farbe>",
                    [](ChartSettings &s) { s.elementColours[0] = 0; }},
        ElementCase{"ColourRedKeepsOnlyDigits", "<Asp_Farbe Index=\"1\">x1 2(3,4 ,  5)</Asp_Farbe>",
                    [](ChartSettings &s) { s.aspectColours[1] = rgb(123, 4, 5); }},
        ElementCase{"ColourWithOneComma", "<Asp_Farbe Index=\"1\">RGB(1, 2)</Asp_Farbe>",
                    [](ChartSettings &s) { s.aspectColours[1] = rgb(1, 2, 0); }},
        ElementCase{"ColourNegativeParts", "<Asp_Farbe Index=\"1\">RGB(-1, -1, -2)</Asp_Farbe>",
                    [](ChartSettings &s) { s.aspectColours[1] = rgb(1, 255, 254); }},
        ElementCase{"KeyFoundAtAnyDepth", "<A><B><C><Asp_Sign Index=\"4\">90</Asp_Sign></C></B></A>",
                    [](ChartSettings &s) { s.aspectGlyphs[4] = 90; }},
        ElementCase{"KeyNotWalkedInto",
                    "<Planet_Sign Index=\"1\">5<Planet_Sign Index=\"2\">6</Planet_Sign></Planet_Sign>",
                    [](ChartSettings &s) { s.planetGlyphs[Moon] = 56; }},
        ElementCase{"NamesAreCaseSensitive", "<asp_grad Index=\"0\">7</asp_grad><ASP_GRAD>7</ASP_GRAD>",
                    [](ChartSettings &) {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, RootNameIsNotChecked)
{
    ChartSettings expected = ChartSettings::defaults();
    expected.houseSystem = 3;
    EXPECT_EQ(defaultsWith("<Something><House_System>3</House_System></Something>"), expected);
}

TEST_F(SettingsFileTest, FailedLoadLeavesTheSettingsUntouched)
{
    ChartSettings settings = ChartSettings::defaults();
    settings.houseSystem = 5;
    const ChartSettings before = settings;
    writeBytes(path(), "<Orvel_Config><House_System>1</House_System>"); // truncated
    EXPECT_FALSE(load(path(), settings));
    EXPECT_FALSE(load(m_dir.filePath(QStringLiteral("missing.xml")), settings));
    EXPECT_EQ(settings, before);
}

TEST_F(SettingsFileTest, FailedSaveKeepsTheOldFileAndNamesIt)
{
    save(ChartSettings::defaults());
    const QByteArray old = readBytes(path());
    ChartSettings changed = ChartSettings::defaults();
    changed.hideHouses = 1;
    const Result<> saved = SettingsFile::save(path(), changed, FailingFileWriter());
    EXPECT_EQ(saved.status(), ResultStatus::Failed);
    EXPECT_EQ(readBytes(path()), old);
    EXPECT_TRUE(saved.message().contains(QStringLiteral("orvel.xml"))) << saved.message().toStdString();
}
