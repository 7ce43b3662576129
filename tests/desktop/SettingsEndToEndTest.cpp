#include "DesktopFolders.h"

#include "desktop/DeviceLink.h"
#include "desktop/SymbolFontInstaller.h"
#include "desktop/settings/CPPageColor.h"
#include "desktop/settings/CPPageHouse.h"
#include "desktop/settings/CPSheetConfig.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace orvel;

namespace {

const QByteArray OneHoroscope =
    "<Orvel_Horoskop><Horoskop ID=\"0\"><Name>First</Name><Date>12.04.1980 09:15:00</Date><City>Berlin</City>"
    "<Country>Deutschland</Country><Latitude>52 31 N</Latitude><Longitude>13 24 E</Longitude>"
    "<Delta_GMT>2.0000</Delta_GMT></Horoskop></Orvel_Horoskop>";

// What the handheld's code prints for `args` on the handheld's install folder.
QJsonObject handheld(const QString &installFolder, const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(ORVELCHART_BINARY), QStringList{QStringLiteral("--root"), installFolder} + args);
    process.waitForFinished(30000);
    const QByteArray out = process.readAllStandardOutput();
    if (process.exitCode() != 0)
        qWarning("%s", process.readAllStandardError().constData());
    return QJsonDocument::fromJson(out).object();
}

QJsonArray cusps(const QJsonObject &chart)
{
    return chart[QStringLiteral("slots")].toArray().at(0).toObject()[QStringLiteral("cusp")].toArray();
}

} // namespace

class SettingsEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void planetColourAndHouseSystemReachTheHandheld();
};

// The settings editor changes Mars's colour and the house system on a device folder;
// the handheld program's code, started on the device's install folder, then computes
// equal houses and draws Mars in the new colour.
void SettingsEndToEndTest::planetColourAndHouseSystemReachTheHandheld()
{
    DesktopFolders folders;
    const QString install = folders.device() + QStringLiteral("/Program Files/OrvelWin");
    QVERIFY(QFile::link(QStringLiteral(ORVEL_PROGRAM_DIR "/Ephem"), install + QStringLiteral("/Ephem")));
    QVERIFY(QFile::link(QStringLiteral(ORVEL_PROGRAM_DIR "/OWSym.ttf"), install + QStringLiteral("/OWSym.ttf")));
    DesktopFolders::writeFile(install + QStringLiteral("/horoskop.xml"), OneHoroscope);
    const QJsonArray placidus = cusps(handheld(install, {QStringLiteral("radix1")}));
    QCOMPARE(placidus.size(), 12);

    DeviceLink device(folders.device(), folders.sink, 0);
    SymbolFontInstaller font(QStringLiteral("/nonexistent/InstallFont"), QStringLiteral("/nonexistent"));
    ValueChoosers choosers;
    choosers.colour = [](Colour, QWidget *) -> std::optional<Colour> { return rgb(12, 34, 56); };
    choosers.glyph = [](int, QWidget *) -> std::optional<int> { return std::nullopt; };
    CPSheetConfig sheet(folders.program(), device, folders.sink, font, choosers);
    sheet.fetch();
    sheet.show();
    auto *planets = qobject_cast<CPPageColor *>(sheet.page(0));
    QTest::mouseClick(planets, Qt::LeftButton, {}, CPPageColor::cell(4).center()); // Mars
    planets->editColour();
    sheet.pages()->setCurrentIndex(3);
    qobject_cast<CPPageHouse *>(sheet.page(3))->systems()->button(5)->click(); // Equal
    sheet.buttons()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!sheet.isVisible());
    QVERIFY2(folders.sink.messages.isEmpty(), qPrintable(folders.sink.messages.join(u'\n')));

    const QJsonObject settings = handheld(install, {QStringLiteral("settings")});
    QCOMPARE(settings[QStringLiteral("House_System")].toInt(), 5);
    QCOMPARE(settings[QStringLiteral("Planet_Farbe")].toArray().at(4).toInt(), rgb(12, 34, 56));

    const QJsonArray equal = cusps(handheld(install, {QStringLiteral("radix1")}));
    QCOMPARE(equal.at(0).toDouble(), placidus.at(0).toDouble()); // the Ascendant stays
    QVERIFY(std::abs(placidus.at(1).toDouble() - placidus.at(0).toDouble() - 30) > 0.5);
    for (int house = 1; house < 12; ++house) {
        const double step = std::fmod(equal.at(house).toDouble() - equal.at(house - 1).toDouble() + 360, 360);
        QVERIFY2(std::abs(step - 30) < 1e-6, qPrintable(QStringLiteral("house %1: %2").arg(house + 1).arg(step)));
    }

    QTemporaryDir pictures;
    const QString svg = pictures.path() + QStringLiteral("/wheel.svg");
    handheld(install, {QStringLiteral("render"), QStringLiteral("radix1"), QStringLiteral("--svg"), svg});
    QVERIFY(DesktopFolders::readFile(svg).toLower().contains("#0c2238"));
}

QTEST_MAIN(SettingsEndToEndTest)
#include "SettingsEndToEndTest.moc"
