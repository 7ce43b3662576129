// What a screen reader finds in the desktop program: every control of its main dialog,
// the country choice, the horoscope manager and the settings sheet's pages has a name.
#include "DesktopFolders.h"

#include "desktop/CCountryDlg.h"
#include "desktop/CMainDlg.h"
#include "desktop/CountryChoice.h"
#include "desktop/DeviceLink.h"
#include "desktop/SymbolFontInstaller.h"
#include "desktop/horoscopes/CHoroscopeManagerDlg.h"
#include "desktop/settings/CPSheetConfig.h"
#include "desktop/settings/ValueChoosers.h"
#include "support/AccessibleTree.h"

#include <QTabWidget>
#include <QTest>

using namespace orvel;

class DesktopAccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void dialogsNameEveryControl_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::newRow("main") << 0;
        QTest::newRow("countries") << 1;
        QTest::newRow("horoscopes") << 2;
        for (int page = 0; page < 7; ++page)
            QTest::addRow("settings page %d", page) << 3 + page;
    }
    void dialogsNameEveryControl()
    {
        QFETCH(int, dialog);
        DesktopFolders folders({QStringLiteral("D\tGermany")});
        DeviceLink device(folders.device(), folders.sink, 0);
        CountryChoice choice(folders.program(), device, folders.sink);
        SymbolFontInstaller font{QStringLiteral("/nonexistent/InstallFont"), QStringLiteral("/nonexistent")};
        std::unique_ptr<QDialog> window;
        if (dialog == 0) {
            window = std::make_unique<CMainDlg>(folders.program(), device, folders.sink);
        } else if (dialog == 1) {
            auto countries = std::make_unique<CCountryDlg>(choice, folders.sink, folders.program());
            countries->load();
            window = std::move(countries);
        } else if (dialog == 2) {
            auto horoscopes = std::make_unique<CHoroscopeManagerDlg>(folders.program(), device, folders.sink,
                                                                     DateTime(2026, 12, 8, 12, 0, 0));
            horoscopes->load();
            window = std::move(horoscopes);
        } else {
            auto sheet = std::make_unique<CPSheetConfig>(folders.program(), device, folders.sink, font, ValueChoosers{});
            sheet->fetch();
            QCOMPARE(sheet->pages()->count(), 7);
            sheet->pages()->setCurrentIndex(dialog - 3);
            window = std::move(sheet);
        }
        const QStringList unnamed = AccessibleTree::unnamedControls(*window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(DesktopAccessibleNamesTest)
#include "DesktopAccessibleNamesTest.moc"
