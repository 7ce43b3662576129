// The handheld program's windows with the German catalogue installed: the frame's
// tooltips, popups and question, the load and solar dialogs, the default name of a new
// horoscope and the information windows' titles and headers.
#include "TestProgramFolder.h"

#include "handheld/CLoadDlg.h"
#include "handheld/CMainFrame.h"
#include "handheld/CSolarDlg.h"
#include "session/Session.h"
#include "render/InfoTables.h"
#include "handheld/info/InformationWindows.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"
#include "support/RecordingSoftInputPanel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

using namespace orvel;

namespace {

// The program on a temporary folder, showing Radix I of its default horoscopes.
struct Program {
    Program()
    {
        clock.fix(DateTime(2024, 1, 1, 12, 0, 0));
        clock.fixZone(QTimeZone(QByteArrayLiteral("Europe/Berlin")));
        session.commands.showRadixI();
    }

    TestProgramFolder folder;
    Clock clock;
    RecordingMessageSink sink;
    RecordingSoftInputPanel panel;
    Session session{clock, sink, sink, folder.path(), folder.path()};
    CMainFrame frame{session, sink, panel, 1};
};

QStringList itemTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    return texts;
}

QStringList headers(const InfoTable &table)
{
    QStringList texts;
    for (const InfoTable::Column &column : table.columns)
        texts << column.header;
    return texts;
}

QString cancelText(const QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text();
}

// The text of the label that names `field`.
QString labelOf(const QDialog &dialog, const QWidget *field)
{
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (label->buddy() == field)
            return label->text();
    return {};
}

} // namespace

class GermanCaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_german.load(QStringLiteral(":/i18n/orvelwin_de.qm")));
        QVERIFY(QCoreApplication::installTranslator(&m_german));
        // The information windows' titles and headers come with the chart pictures.
        QVERIFY(m_germanRender.load(QStringLiteral(":/i18n/orvelrender_de.qm")));
        QVERIFY(QCoreApplication::installTranslator(&m_germanRender));
    }
    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&m_germanRender);
        QCoreApplication::removeTranslator(&m_german);
    }

    void commandBarTooltips()
    {
        Program p;
        QStringList tooltips;
        for (const QAction *action : p.frame.commandBar()->actions())
            if (!action->isSeparator())
                tooltips << action->toolTip();
        QCOMPARE(tooltips, (QStringList{"Radix I", "Radix II", "Diagramm", "Informationsfenster", "Horoskop", "Über",
                                        "Beenden"}));
    }

    void popups_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("chart") << int(CommandId::Chart)
                               << QStringList{"Solar", "Composit", "Synastrie", "", "Transit"};
        QTest::newRow("information windows")
            << int(CommandId::InformationWindows)
            << QStringList{"Häuser", "Planeten", "Elemente", "Qualitäten", "", "Aspektgrafik", "Aspekttabelle"};
        QTest::newRow("horoscope") << int(CommandId::Horoscope) << QStringList{"Neu...", "Bearbeiten...", "Laden..."};
        QTest::newRow("about") << int(CommandId::AboutButton) << QStringList{"Über"};
        QTest::newRow("hiding") << int(CommandId::HidingHouses)
                                << QStringList{"Häuser ausblenden", "Aspekte ausblenden"};
    }
    void popups()
    {
        QFETCH(int, button);
        QFETCH(QStringList, items);
        Program p;
        QCOMPARE(itemTexts(p.frame.popup(CommandId(button))), items);
    }

    void exitAsksInGerman()
    {
        Program p;
        p.sink.answer = false;
        p.frame.action(CommandId::Exit)->trigger();
        QCOMPARE(p.sink.questions, QStringList{"Beenden?"});
    }

    void newHoroscopeStartsWithTheGermanName()
    {
        Program p;
        QString name;
        QTimer::singleShot(0, [&name] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            name = dialog->findChild<QLineEdit *>(QStringLiteral("name"))->text();
            dialog->reject();
        });
        p.frame.action(CommandId::New)->trigger();
        QCOMPARE(name, QStringLiteral("(Neues Horoskop)"));
    }

    void loadDialog()
    {
        Program p;
        CLoadDlg dialog(p.session.document.horoscopes(), ChartMode::RadixI);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Horoskop laden..."));
        QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("delete"))->text(), QStringLiteral("Löschen"));
        QCOMPARE(cancelText(dialog), QStringLiteral("Abbruch"));
        const QTreeWidgetItem *header = dialog.findChild<QTreeWidget *>()->headerItem();
        QCOMPARE((QStringList{header->text(0), header->text(1)}), (QStringList{"Name", "Ort"}));
    }

    void solarDialog()
    {
        Program p;
        CSolarDlg dialog(p.session.document.horoscopes().front(), p.folder.database(), p.clock, p.sink, p.panel);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Solar"));
        QCOMPARE(labelOf(dialog, dialog.findChild<QLineEdit *>(QStringLiteral("year"))), QStringLiteral("&Jahr:"));
        QCOMPARE(labelOf(dialog, dialog.findChild<QComboBox *>(QStringLiteral("country"))), QStringLiteral("&Land:"));
        QCOMPARE(labelOf(dialog, dialog.findChild<QComboBox *>(QStringLiteral("city"))), QStringLiteral("&Ort:"));
        QCOMPARE(cancelText(dialog), QStringLiteral("Abbruch"));
    }

    void informationWindowTitles_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("houses") << int(InfoWindow::Houses) << "Häuser";
        QTest::newRow("planets") << int(InfoWindow::Planets) << "Planeten";
        QTest::newRow("elements") << int(InfoWindow::Elements) << "Elemente";
        QTest::newRow("qualities") << int(InfoWindow::Qualities) << "Qualitäten";
        QTest::newRow("aspect graphic") << int(InfoWindow::AspectsGraphic) << "Aspekte";
        QTest::newRow("aspect table") << int(InfoWindow::AspectsTable) << "Aspekte";
    }
    void informationWindowTitles()
    {
        QFETCH(int, window);
        QFETCH(QString, title);
        Program p;
        QCOMPARE(InformationWindows::create(InfoWindow(window), p.session.scene(), 1, &p.frame)->windowTitle(), title);
    }

    void informationWindowHeaders_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("houses") << int(InfoWindow::Houses) << QStringList{"Haus", "Grad", "Zeichen"};
        QTest::newRow("planets") << int(InfoWindow::Planets)
                                 << QStringList{"Planet", "Grad", "Zeichen", "Haus", "Grad/Tag"};
        QTest::newRow("elements") << int(InfoWindow::Elements) << QStringList{"Element", "Wert", "Punkte"};
        QTest::newRow("qualities") << int(InfoWindow::Qualities) << QStringList{"Qualität", "Wert", "Punkte"};
        QTest::newRow("aspects") << int(InfoWindow::AspectsTable)
                                 << QStringList{"Planet", "Aspekt", "Planet", "Differenz", "A/S"};
    }
    void informationWindowHeaders()
    {
        QFETCH(int, window);
        QFETCH(QStringList, columns);
        QCOMPARE(headers(InfoTables::table(InfoWindow(window), InfoSnapshot{})), columns);
    }

private:
    QTranslator m_german;
    QTranslator m_germanRender;
};

QTEST_MAIN(GermanCaptionsTest)
#include "GermanCaptionsTest.moc"
