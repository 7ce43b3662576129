// The German interface: which users get it, and that it leaves the files alone — the
// horoscope and settings files written under a German user's locale and translators
// are byte for byte those written under English, and read back the same.
#include "i18n/GermanInterface.h"

#include "engine/HoroscopeRecord.h"
#include "render/ChartNames.h"
#include "desktop/horoscopes/CHoroscopeManagerDlg.h"
#include "gui/HoroscopeDialogVariant.h"
#include "platform/FileError.h"
#include "storage/DamagedFileCopy.h"
#include "storage/HoroscopeFile.h"
#include "storage/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvel;

namespace {

// Records with what a German locale would write differently: decimals, negative and
// fractional offsets, an early date, names with umlauts.
std::vector<HoroscopeRecord> records()
{
    HoroscopeRecord kepler = HoroscopeRecord::createDefault(DateTime(1571, 12, 27, 14, 37, 5));
    kepler.name = QStringLiteral("Jörg Kepler");
    kepler.city = QStringLiteral("Weil der Stadt");
    kepler.country = QStringLiteral("Deutschland");
    kepler.latitude = QStringLiteral("48°45'N");
    kepler.longitude = QStringLiteral("8°52'E");
    kepler.deltaGmt = 0.5917;
    HoroscopeRecord west = HoroscopeRecord::createDefault(DateTime(2024, 3, 10, 2, 30, 0));
    west.name = QStringLiteral("Zoë");
    west.city = QStringLiteral("St. John's");
    west.latitude = QStringLiteral("47,34");
    west.longitude = QStringLiteral("52 43 W");
    west.deltaGmt = -2.5;
    return {kepler, west};
}

ChartSettings settings()
{
    ChartSettings s = ChartSettings::defaults();
    s.planetColours[Sun] = rgb(255, 128, 0);
    s.planetValues[Moon] = -12;
    s.orbs[Mars][2] = -7;
    s.houseSystem = 7;
    return s;
}

// The two files as written under the current locale and translators.
QList<QByteArray> writtenFiles()
{
    QTemporaryDir folder;
    const QString horoscopes = folder.filePath(QLatin1String(HoroscopeFile::FileName));
    const QString config = folder.filePath(QLatin1String(SettingsFile::FileName));
    if (!HoroscopeFile::save(horoscopes, records()) || !SettingsFile::save(config, settings()))
        return {};
    QList<QByteArray> contents;
    for (const QString &path : {horoscopes, config}) {
        QFile file(path);
        contents.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return contents;
}

// Whether a file, in UTF-8 or (with non-ASCII names) UTF-16, holds `text`.
bool holds(const QByteArray &file, const char *text)
{
    const QString wide = QString::fromLatin1(text);
    const QByteArray utf16(reinterpret_cast<const char *>(wide.utf16()), wide.size() * 2);
    return file.contains(text) || file.contains(utf16);
}

} // namespace

class GermanInterfaceTest : public QObject {
    Q_OBJECT
private slots:
    void germanChosen_data();
    void germanChosen();
    void namesAreTranslatedForWindowsOnly();
    void filesAreTheSameInGerman();
    void fileMessagesAreGerman();
};

void GermanInterfaceTest::germanChosen_data()
{
    // The user's languages as QLocale::system().uiLanguages() lists them.
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<bool>("german");
    QTest::newRow("de_DE") << QStringList{"de-DE", "de"} << true;
    QTest::newRow("de_AT") << QStringList{"de-AT", "de"} << true;
    QTest::newRow("en_US") << QStringList{"en-US", "en"} << false;
    QTest::newRow("LANGUAGE=en:de on a German desktop") << QStringList{"en", "de", "de-DE"} << false;
    QTest::newRow("LANGUAGE=fr:de") << QStringList{"fr", "de", "fr-FR"} << true;
    QTest::newRow("fr_FR") << QStringList{"fr-FR", "fr"} << false;
    QTest::newRow("C") << QStringList{"C"} << false;
    QTest::newRow("none") << QStringList{} << false;
}

void GermanInterfaceTest::germanChosen()
{
    QFETCH(QStringList, languages);
    QFETCH(bool, german);
    QCOMPARE(Translations::germanChosen(languages), german);
}

void GermanInterfaceTest::namesAreTranslatedForWindowsOnly()
{
    const int before = GermanInterface::translators();
    {
        const GermanInterface german({QStringLiteral("orvelgui")});
        QCOMPARE(GermanInterface::translators(), before + 2); // Qt's and ours
        const QStringList shown{ChartNames::point(Sun), ChartNames::point(MeanNode), ChartNames::point(Midheaven),
                                ChartNames::sign(2),                   ChartNames::sign(11),
                                ChartNames::element(3),               ChartNames::quality(2),
                                ChartNames::aspect(2),                ChartNames::point(PointCount)};
        QCOMPARE(shown, (QStringList{"Sonne", "Mondknoten (mittl.)", "MC", "Zwillinge", "Fische", "Wasser",
                                     "Veränderlich", "Quadrat", ""}));
        QCOMPARE(HoroscopeDialogVariant::handheld().newRecordName, QStringLiteral("(Neues Horoskop)"));
        // The record a file reader starts from keeps the stored default name.
        QCOMPARE(HoroscopeRecord::createDefault(DateTime(2000, 1, 1, 0, 0, 0)).name,
                 QStringLiteral("(New Horoscope)"));
    }
    QCOMPARE(ChartNames::point(Sun), QStringLiteral("Sun"));
    QCOMPARE(CHoroscopeManagerDlg::editVariant().newRecordName, QStringLiteral("(New horoscope)"));
}

void GermanInterfaceTest::filesAreTheSameInGerman()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QList<QByteArray> english = writtenFiles();
    QCOMPARE(english.size(), 2);
    QVERIFY(holds(english[0], "0.5917") && holds(english[0], "27.12.1571 14:37:05"));
    QVERIFY(holds(english[1], "-12") && holds(english[1], "RGB(255, 128, 0)"));

    const GermanInterface german({QStringLiteral("orvelgui"), QStringLiteral("tamrexlistctrl")});
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    const QList<QByteArray> inGerman = writtenFiles();
    QCOMPARE(inGerman.size(), 2);
    QCOMPARE(inGerman[0], english[0]);
    QCOMPARE(inGerman[1], english[1]);

    // And read back under German as written.
    QTemporaryDir folder;
    const QString horoscopes = folder.filePath(QLatin1String(HoroscopeFile::FileName));
    const QString config = folder.filePath(QLatin1String(SettingsFile::FileName));
    QVERIFY(HoroscopeFile::save(horoscopes, records()).ok());
    QVERIFY(SettingsFile::save(config, settings()).ok());
    const Result<std::vector<HoroscopeRecord>> read = HoroscopeFile::load(horoscopes, DateTime(2000, 1, 1, 0, 0, 0));
    QVERIFY(read.ok());
    QVERIFY(read.value() == records());
    const Result<ChartSettings> readSettings = SettingsFile::load(config, ChartSettings());
    QVERIFY(readSettings.ok());
    QVERIFY(readSettings.value() == settings());
}

// What the programs say about their files comes from the core libraries, in the user's
// language too; the file names and the reader's own reasons stay as they are.
void GermanInterfaceTest::fileMessagesAreGerman()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QLatin1String(HoroscopeFile::FileName));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?><Orvel_Horoskop><Horoskop><Name>A</Name><Date>32.13.2000 00:00:00</Date>"
               "</Horoskop><Horoskop><Name>B</Name><Date>01.01.2000 10:00:00</Date></Horoskop><Horoskop><Name>");
    file.close();
    const QString missing = folder.filePath(QStringLiteral("nowhere.xml"));
    const auto messages = [&] {
        const Result<HoroscopeFile::Reading> reading = HoroscopeFile::read(path, DateTime(2000, 1, 1, 0, 0, 0));
        return QStringList{reading.message(),
                           DamagedFileCopy::keepAndDescribe(reading->damage, FileDamage::Items::Horoscopes),
                           FileError::message(missing, QFileDevice::OpenError, QString())};
    };
    {
        const GermanInterface german({QStringLiteral("orvelgui")});
        const QStringList shown = messages();
        const QString name = QDir::toNativeSeparators(path);
        QVERIFY2(shown[0].startsWith(name + QStringLiteral(" ist bei Zeichen ")), qPrintable(shown[0]));
        QVERIFY2(shown[0].contains(QStringLiteral(" 1 Horoskope konnten gelesen werden.\nÜbersprungen:\n„A“ bei Zeichen ")),
                 qPrintable(shown[0]));
        QVERIFY2(shown[0].contains(QStringLiteral("Datum „32.13.2000 00:00:00“ ist kein Datum")), qPrintable(shown[0]));
        QVERIFY2(shown[1].endsWith(QStringLiteral("Eine Kopie der Datei wird als %1.damaged aufbewahrt.").arg(name)),
                 qPrintable(shown[1]));
        QCOMPARE(shown[2], QStringLiteral("%1 wurde nicht gefunden.").arg(QDir::toNativeSeparators(missing)));
    }
    const QStringList english = messages();
    QVERIFY2(english[0].contains(QStringLiteral(" is damaged at character ")), qPrintable(english[0]));
    QVERIFY2(english[0].contains(QStringLiteral(" 1 horoscopes could be read.\nSkipped:\n\"A\" at character ")),
             qPrintable(english[0]));
    QVERIFY2(english[1].endsWith(QStringLiteral("A copy of the file is kept as %1.damaged.").arg(QDir::toNativeSeparators(path))),
             qPrintable(english[1]));
}

QTEST_GUILESS_MAIN(GermanInterfaceTest)
#include "GermanInterfaceTest.moc"
