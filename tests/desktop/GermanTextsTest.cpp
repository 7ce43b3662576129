#include "DesktopFolders.h"

#include "desktop/CCountryDlg.h"
#include "desktop/CMainDlg.h"
#include "desktop/CountryChoice.h"
#include "desktop/DeviceLink.h"
#include "desktop/SymbolFontInstaller.h"
#include "desktop/horoscopes/CHoroscopeManagerDlg.h"
#include "desktop/settings/CPSheetConfig.h"
#include "desktop/settings/CSettingsPage.h"
#include "desktop/settings/CSymbolDlg.h"
#include "desktop/settings/PointNames.h"
#include "engine/ChartConstants.h"
#include "listctrl/ExListCtrl.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

using namespace orvel;

namespace {

const DateTime Now(2024, 3, 5, 14, 30, 0);

QStringList buttonTexts(const QWidget *window)
{
    QStringList texts;
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (!button->text().isEmpty())
            texts.append(button->text());
    texts.sort();
    return texts;
}

QStringList headers(const QTreeWidget *list)
{
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts.append(list->headerItem()->text(column));
    return texts;
}

// The accelerator letters of `window`'s buttons that more than one button uses.
QStringList sharedAccelerators(const QWidget *window)
{
    QStringList seen;
    QStringList shared;
    for (const QString &text : buttonTexts(window)) {
        const qsizetype at = text.indexOf(u'&');
        if (at < 0 || at + 1 >= text.size())
            continue;
        const QString letter = text.mid(at + 1, 1).toCaseFolded();
        (seen.contains(letter) ? shared : seen).append(letter);
    }
    return shared;
}

} // namespace

// The desktop's windows as a German user sees them, with the desktop's catalogue loaded.
class GermanTextsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainDialog();
    void countryDialog();
    void horoscopeManager();
    void countedQuestions_data();
    void countedQuestions();
    void settingsSheet();
    void symbolPicker();
    void acceleratorsUniquePerWindow();
    void deviceMessages();

private:
    QTranslator m_german;
};

void GermanTextsTest::initTestCase()
{
    QVERIFY(m_german.load(QStringLiteral(":/i18n/orvelwinconfig_de.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_german));
}

void GermanTextsTest::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_german);
}

void GermanTextsTest::mainDialog()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    CMainDlg dialog(folders.program(), device, folders.sink);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("OrvelWin CE Konfiguration"));
    QCOMPARE(buttonTexts(&dialog),
             (QStringList{QStringLiteral("&Beenden"), QStringLiteral("&Horoskopverwaltung"),
                          QStringLiteral("&Info über OrvelWinConfig..."), QStringLiteral("&Länderauswahl"),
                          QStringLiteral("&Orvellogische Konfiguration")}));
    QCOMPARE(dialog.findChild<QGroupBox *>()->title(), QStringLiteral("OrvelWin CE"));
}

void GermanTextsTest::countryDialog()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    CountryChoice choice(folders.program(), device, folders.sink);
    CCountryDlg dialog(choice, folders.sink, folders.program());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Länder auf dem Pocket PC"));
    QCOMPARE(headers(dialog.leftList()), QStringList{QStringLiteral("Land")});
    QCOMPARE(headers(dialog.rightList()), QStringList{QStringLiteral("Land auf dem PPC")});
    QVERIFY(buttonTexts(&dialog).contains(QStringLiteral("&Speichern")));
    QVERIFY(buttonTexts(&dialog).contains(QStringLiteral("&Abbruch")));
}

void GermanTextsTest::horoscopeManager()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Horoskopverwaltung"));
    QCOMPARE(headers(dialog.list()), (QStringList{QStringLiteral("Name"), QStringLiteral("Ort")}));
    QCOMPARE(buttonTexts(&dialog),
             (QStringList{QStringLiteral("&Bearbeiten"), QStringLiteral("&Hinzufügen"),
                          QStringLiteral("&Importieren..."), QStringLiteral("&Löschen"), QStringLiteral("B&eenden"),
                          QStringLiteral("E&xportieren...")}));
    QCOMPARE(CHoroscopeManagerDlg::staleQuestion(),
             QStringLiteral("Die Horoskope konnten beim Öffnen dieses Fensters nicht vom Gerät gelesen werden. Die "
                            "Horoskopdatei des Geräts durch diese Liste ersetzen?"));
}

void GermanTextsTest::countedQuestions_data()
{
    QTest::addColumn<int>("read");
    QTest::addColumn<QString>("counted");
    QTest::newRow("none read") << 0 << QStringLiteral("0 Horoskope konnten");
    QTest::newRow("one read") << 1 << QStringLiteral("1 Horoskop konnte");
    QTest::newRow("several read") << 3 << QStringLiteral("3 Horoskope konnten");
}

void GermanTextsTest::countedQuestions()
{
    QFETCH(int, read);
    QFETCH(QString, counted);
    const QString question = CHoroscopeManagerDlg::damagedQuestion(read);
    QVERIFY2(question.startsWith(QStringLiteral("Die Horoskopdatei des Geräts war beschädigt; ") + counted + u' '),
             qPrintable(question));
}

void GermanTextsTest::settingsSheet()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink, 0);
    SymbolFontInstaller font(QStringLiteral("/nonexistent/InstallFont"), QStringLiteral("/nonexistent"));
    const ValueChoosers choosers;
    CPSheetConfig sheet(folders.program(), device, folders.sink, font, choosers);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Konfiguration"));
    QStringList tabs;
    for (int page = 0; page < sheet.pages()->count(); ++page)
        tabs.append(sheet.pages()->tabText(page));
    QCOMPARE(tabs, (QStringList{QStringLiteral("Planeten"), QStringLiteral("Elemente"), QStringLiteral("Aspekte"),
                                QStringLiteral("Häusersystem"), QStringLiteral("Planetenbewertung"),
                                QStringLiteral("Aspektorben"), QStringLiteral("Sonstiges")}));
    QCOMPARE(sheet.buttons()->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    QCOMPARE(sheet.buttons()->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbruch"));
    QVERIFY(buttonTexts(sheet.page(3)).contains(QStringLiteral("&Gleiche Häuser")));
    QCOMPARE(buttonTexts(sheet.page(6)),
             (QStringList{QStringLiteral("&Aspekte ausblenden"), QStringLiteral("&Häuser ausblenden")}));

    // The orb table is headed with the points and labelled with the aspects.
    const auto *orbs = sheet.page(5)->findChild<CExListCtrl *>();
    QVERIFY(orbs);
    QCOMPARE(orbs->horizontalHeaderItem(1 + Neptune)->text(), QStringLiteral("Neptun"));
    QCOMPARE(orbs->item(1, 0)->text(), QStringLiteral("Sextil"));
    QCOMPARE(PointNames::aspect(2), QStringLiteral("Quadrat"));
}

void GermanTextsTest::symbolPicker()
{
    CSymbolDlg dialog('L');
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Symbole"));
}

void GermanTextsTest::acceleratorsUniquePerWindow()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink, 0);
    CountryChoice choice(folders.program(), device, folders.sink);
    SymbolFontInstaller font(QStringLiteral("/nonexistent/InstallFont"), QStringLiteral("/nonexistent"));
    const ValueChoosers choosers;
    CMainDlg main(folders.program(), device, folders.sink);
    CCountryDlg countries(choice, folders.sink, folders.program());
    CHoroscopeManagerDlg manager(folders.program(), device, folders.sink, Now);
    CPSheetConfig sheet(folders.program(), device, folders.sink, font, choosers);
    std::vector<std::pair<QString, const QWidget *>> windows = {
        {QStringLiteral("main dialog"), &main}, {QStringLiteral("country choice"), &countries},
        {QStringLiteral("horoscope manager"), &manager}};
    // Each page shows on its own, together with the sheet's buttons.
    for (int page = 0; page < sheet.pages()->count(); ++page)
        windows.emplace_back(sheet.pages()->tabText(page), sheet.page(page));
    windows.emplace_back(QStringLiteral("sheet buttons"), sheet.buttons());
    for (const auto &[name, window] : windows)
        QVERIFY2(sharedAccelerators(window).isEmpty(),
                 qPrintable(name + QStringLiteral(": ") + sharedAccelerators(window).join(u' ')));
}

void GermanTextsTest::deviceMessages()
{
    DesktopFolders folders;
    folders.sink.answer = false;
    DeviceLink absent(folders.device() + QStringLiteral("/not-mounted"), folders.sink, 0);
    QVERIFY(!absent.ConnectDevice());
    QCOMPARE(folders.sink.questions, QStringList{QStringLiteral("Bitte verbinden Sie Ihren PDA mit ActiveSync.")});

    const QString message = DeviceLink::failure(std::make_error_code(std::errc::permission_denied),
                                                DeviceLink::FileAction::Delete, QStringLiteral("/pc/OrvelDB/Orte_D.txt"))
                                .message();
    QVERIFY2(message.startsWith(QStringLiteral("/pc/OrvelDB/Orte_D.txt kann nicht gelöscht werden: ")),
             qPrintable(message));
}

QTEST_MAIN(GermanTextsTest)
#include "GermanTextsTest.moc"
