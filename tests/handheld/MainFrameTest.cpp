// The handheld program's frame driven as a user would: which commands are available in
// which chart, the popups, Exit, the hiding toggles saved in orvel.xml, About, the view's
// scaling, and start-up on damaged or missing files.
#include "support/RecordingPaintDevice.h"

#include "gui/CAboutDlg.h"
#include "render/ChartFonts.h"
#include "gui/DialogMessageSink.h"
#include "gui/ProgramFont.h"
#include "handheld/CMainFrame.h"
#include "handheld/COrvelWinView.h"
#include "session/Session.h"
#include "platform/UserDataFolder.h"
#include "engine/CommandAvailability.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"
#include "support/RecordingSoftInputPanel.h"
#include "storage/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace orvel;

namespace {

constexpr CommandId AllCommands[] = {
    CommandId::RadixI,   CommandId::RadixII, CommandId::Solar,          CommandId::Composite,     CommandId::Synastry,
    CommandId::Transit,  CommandId::Houses,  CommandId::Planets,        CommandId::Elements,      CommandId::Qualities,
    CommandId::AspectsGraphic, CommandId::AspectsTable, CommandId::New, CommandId::Edit,          CommandId::Load,
    CommandId::HidingHouses, CommandId::HidingAspects, CommandId::About, CommandId::Exit};

// Everything a frame runs on, in a data folder of its own.
struct FrameUnderTest {
    explicit FrameUnderTest(const QString &programFolder = QStringLiteral(ORVEL_PROGRAM_DIR))
    {
        clock.fix(DateTime(2026, 12, 8, 14, 30, 0));
        clock.fixZone(QTimeZone(QByteArrayLiteral("Europe/Berlin")));
        session = std::make_unique<Session>(clock, ui, ui, programFolder, data.path());
        frame = std::make_unique<CMainFrame>(*session, ui, panel, 1);
    }

    QString dataFile(const char *name) const { return data.filePath(QString::fromLatin1(name)); }

    QTemporaryDir data;
    Clock clock;
    RecordingMessageSink ui;
    RecordingSoftInputPanel panel;
    std::unique_ptr<Session> session;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void availabilityByChartMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("greyed");
        const QList<int> singleOnly{int(CommandId::Solar), int(CommandId::Transit), int(CommandId::New),
                                    int(CommandId::Edit), int(CommandId::Load)};
        const QList<int> scores{int(CommandId::Elements), int(CommandId::Qualities)};
        QTest::newRow("Radix I") << 1 << QList<int>{};
        QTest::newRow("Radix II") << 2 << QList<int>{};
        QTest::newRow("Solar") << 3 << singleOnly;
        QTest::newRow("Composite") << 4 << singleOnly;
        QTest::newRow("Synastry") << 5 << singleOnly + scores;
        QTest::newRow("Transit") << 6 << singleOnly + scores;
    }
    void availabilityByChartMode()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, greyed);
        for (const CommandId command : AllCommands)
            QCOMPARE(isAvailable(command, ChartMode(mode)), !greyed.contains(int(command)));
    }

    // The popups grey what the rules say in the chart the user is looking at.
    void popupsGreyTheirItems_data()
    {
        QTest::addColumn<int>("chart");
        QTest::addColumn<int>("expectedMode");
        QTest::newRow("Radix II") << int(CommandId::RadixII) << 2;
        QTest::newRow("Composite") << int(CommandId::Composite) << 4;
        QTest::newRow("Synastry") << int(CommandId::Synastry) << 5;
        QTest::newRow("Transit") << int(CommandId::Transit) << 6;
    }
    void popupsGreyTheirItems()
    {
        QFETCH(int, chart);
        QFETCH(int, expectedMode);
        FrameUnderTest t;
        t.frame->show();
        t.frame->action(CommandId(chart))->trigger();
        QCOMPARE(int(t.session->commands.mode()), expectedMode);
        for (const CommandId button : {CommandId::Chart, CommandId::InformationWindows, CommandId::Horoscope})
            emit t.frame->popup(button)->aboutToShow();
        for (const CommandId command : AllCommands)
            if (command != CommandId::Exit && command != CommandId::About)
                QCOMPARE(t.frame->action(command)->isEnabled(), isAvailable(command, ChartMode(expectedMode)));
    }

    void greyedChartCommandsDoNothing()
    {
        FrameUnderTest t;
        t.frame->show();
        t.frame->action(CommandId::Synastry)->trigger();
        t.frame->action(CommandId::Transit)->trigger(); // as a keyboard shortcut or script might
        QCOMPARE(t.session->commands.mode(), ChartMode::Synastry);
    }

    void firstShowLowersThePanelAndDrawsRadixI()
    {
        FrameUnderTest t;
        QCOMPARE(t.session->commands.mode(), ChartMode::RadixI);
        t.frame->action(CommandId::RadixII)->trigger(); // not shown yet: nothing forces Radix I back
        t.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.frame.get()));
        QCOMPARE(t.panel.requests, QList<bool>{false});
        QCOMPARE(t.session->commands.mode(), ChartMode::RadixI);
    }

    void commandBarHasSevenButtonsWithTooltips()
    {
        FrameUnderTest t;
        QStringList tooltips;
        int separators = 0;
        for (QAction *action : t.frame->commandBar()->actions())
            action->isSeparator() ? void(++separators) : tooltips.append(action->toolTip());
        QCOMPARE(tooltips, (QStringList{"Radix I", "Radix II", "Chart", "Information windows", "Horoscope", "About", "Exit"}));
        QCOMPARE(separators, 6);
    }

    void popupOpensAboveItsButton()
    {
        FrameUnderTest t;
        t.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.frame.get()));
        t.frame->action(CommandId::Chart)->trigger();
        QMenu *menu = t.frame->popup(CommandId::Chart);
        QTRY_VERIFY(menu->isVisible());
        const QWidget *button = t.frame->commandBar()->widgetForAction(t.frame->action(CommandId::Chart));
        const QPoint buttonTopLeft = button->mapToGlobal(QPoint(0, 0));
        QCOMPARE(menu->geometry().left(), buttonTopLeft.x());
        QVERIFY(menu->geometry().bottom() < buttonTopLeft.y());
        QCOMPARE(menu->actions().size(), 5); // Solar, Composite, Synastry, separator, Transit
        menu->close();
    }

    void tapOpensTheHidingPopupWithCheckMarks()
    {
        FrameUnderTest t;
        t.session->document.settings().hideAspects = 1;
        t.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.frame.get()));
        QTest::mouseClick(t.frame->view(), Qt::LeftButton, {}, QPoint(50, 60));
        QMenu *menu = t.frame->popup(CommandId::HidingHouses);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!t.frame->action(CommandId::HidingHouses)->isChecked());
        QVERIFY(t.frame->action(CommandId::HidingAspects)->isChecked());
        menu->close();
    }

    void hidingTogglesRedrawAndSaveTheSettings_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("houses") << int(CommandId::HidingHouses);
        QTest::newRow("aspects") << int(CommandId::HidingAspects);
    }
    void hidingTogglesRedrawAndSaveTheSettings()
    {
        QFETCH(int, command);
        FrameUnderTest t;
        const auto flag = CommandId(command) == CommandId::HidingHouses ? &ChartSettings::hideHouses : &ChartSettings::hideAspects;
        for (const int expected : {1, 0}) {
            t.frame->action(CommandId(command))->trigger();
            QCOMPARE(t.session->document.settings().*flag, expected);
            const Result<ChartSettings> saved = SettingsFile::load(t.dataFile("orvel.xml"), ChartSettings::defaults());
            QVERIFY(saved.ok());
            QCOMPARE(saved.value().*flag, expected);
        }
        QVERIFY(t.ui.messages.isEmpty());
    }

    void exitAsksAndClosesOnlyOnYes_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("No keeps the program running") << false;
        QTest::newRow("Yes closes it") << true;
    }
    void exitAsksAndClosesOnlyOnYes()
    {
        QFETCH(bool, answer);
        FrameUnderTest t;
        t.frame->show();
        t.ui.answer = answer;
        t.frame->action(CommandId::Exit)->trigger();
        QCOMPARE(t.ui.questions, QStringList{"Exit?"});
        QCOMPARE(t.frame->isVisible(), !answer);
    }

    void aboutLinksOpenTheHelpPages_data()
    {
        QTest::addColumn<bool>("maker");
        QTest::addColumn<QString>("page");
        QTest::newRow("maker") << true << QStringLiteral("tamsol.html");
        QTest::newRow("author") << false << QStringLiteral("jfa.html");
    }
    void aboutLinksOpenTheHelpPages()
    {
        QFETCH(bool, maker);
        QFETCH(QString, page);
        FrameUnderTest t;
        QStringList opened;
        t.frame->setPageOpener([&](const QString &path) { opened.append(path); });
        QString title;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<CAboutDlg *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            QLabel *link = maker ? dialog->makerLink() : dialog->authorLink();
            QVERIFY(link->text().contains(QStringLiteral("rgb(0, 0, 255)")));
            emit link->linkActivated(page);
            dialog->accept();
        });
        t.frame->action(CommandId::About)->trigger();
        QCOMPARE(title, QStringLiteral("About OrvelWin"));
        QCOMPARE(opened, QStringList{QStringLiteral(ORVEL_PROGRAM_DIR "/") + page});
        QVERIFY(QFile::exists(opened.front()));
    }

    // Enter presses OK when the box opens; the links are reached with Tab.
    void aboutClosesOnEnter()
    {
        FrameUnderTest t;
        QStringList opened;
        t.frame->setPageOpener([&](const QString &path) { opened.append(path); });
        int result = -1;
        QTimer::singleShot(0, [&] {
            QPointer<QDialog> dialog = qobject_cast<CAboutDlg *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            connect(dialog, &QDialog::finished, [&](int code) { result = code; });
            QTimer::singleShot(3000, [dialog] { if (dialog) dialog->reject(); }); // never left hanging
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            // The box opens with the focus on OK, not on a link, and OK is the default.
            auto *ok = qobject_cast<QPushButton *>(QApplication::focusWidget());
            QVERIFY(ok);
            QVERIFY(ok->isDefault());
            QTest::keyClick(ok, Qt::Key_Return);
        });
        t.frame->action(CommandId::About)->trigger();
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(opened.isEmpty());
    }

    // Message boxes carry the title the user knows the program by, in the program's
    // font, which grows with the scale like the information windows'.
    void messageBoxesUseTheProgramTitleAndScaledFont_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("scale 1") << 1;
        QTest::newRow("scale 3") << 3;
    }
    void messageBoxesUseTheProgramTitleAndScaledFont()
    {
        QFETCH(int, scale);
        const QFont saved = QApplication::font();
        ProgramFont::set(scale);
        DialogMessageSink sink(QStringLiteral("OrvelWin CE"));
        QStringList titles;
        QList<int> pixelSizes;
        const auto readAndClose = [&](QMessageBox::StandardButton button) {
            QTimer::singleShot(0, [&, button] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                titles.append(box->windowTitle());
                pixelSizes.append(box->font().pixelSize());
                box->button(button)->click();
            });
        };
        readAndClose(QMessageBox::Ok);
        sink.showMessage(QStringLiteral("Cannot read the file."));
        readAndClose(QMessageBox::No);
        QVERIFY(!sink.askYesNo(QStringLiteral("Exit?")));
        QApplication::setFont(saved);
        QCOMPARE(titles, (QStringList{"OrvelWin CE", "OrvelWin CE"}));
        QCOMPARE(pixelSizes, (QList<int>{ChartFonts::TextPixelSize * scale, ChartFonts::TextPixelSize * scale}));
    }

    // The dialogs and popups of the frame take the program's font.
    void dialogsAndPopupsFollowTheProgramFont()
    {
        const QFont saved = QApplication::font();
        ProgramFont::set(2);
        FrameUnderTest t;
        QString title;
        int pixelSize = 0;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            title = dialog->windowTitle();
            pixelSize = dialog->font().pixelSize();
            static_cast<QDialog *>(dialog)->reject();
        });
        t.frame->action(CommandId::Load)->trigger();
        const int popupSize = t.frame->popup(CommandId::Chart)->font().pixelSize();
        QApplication::setFont(saved);
        QCOMPARE(title, QStringLiteral("Loading horoscope..."));
        QCOMPARE(pixelSize, 2 * ChartFonts::TextPixelSize);
        QCOMPARE(popupSize, 2 * ChartFonts::TextPixelSize);
    }

    // The size the scale is chosen by holds the whole frame.
    void windowSizeHoldsTheFrame_data()
    {
        QTest::addColumn<int>("scale");
        for (const int scale : {1, 2, 3, 4})
            QTest::addRow("scale %d", scale) << scale;
    }
    void windowSizeHoldsTheFrame()
    {
        QFETCH(int, scale);
        FrameUnderTest t;
        CMainFrame frame(*t.session, t.ui, t.panel, scale);
        const QSize hint = frame.sizeHint();
        const QSize size = CMainFrame::windowSize(scale);
        QVERIFY2(hint.width() <= size.width() && hint.height() <= size.height(),
                 qPrintable(QStringLiteral("%1 x %2 in %3 x %4").arg(hint.width()).arg(hint.height()).arg(size.width()).arg(size.height())));
        QVERIFY(size.height() - hint.height() < 100); // room for a title bar, not a second bar
    }

    // The wheel keeps its proportions and stands in the middle of a wider view.
    void viewCentresTheWheelAtItsScale()
    {
        FrameUnderTest t;
        t.frame->show();
        COrvelWinView *view = t.frame->view();
        view->resize(480, 270);
        RecordingPaintDevice device(QSize(480, 270));
        view->render(&device);
        const auto &ellipses = device.record().ellipses;
        QVERIFY(!ellipses.empty());
        QCOMPARE(ellipses.front().rect.topLeft(), QPointF(120, 0)); // the outer circle, scale 1, 120 in
    }

    // A program folder without ephemeris or font, with damaged files in the data folder:
    // the program still opens and draws, and says what went wrong with the ephemeris.
    void opensOnDamagedAndMissingFiles()
    {
        QTemporaryDir emptyProgramFolder;
        QTemporaryDir data;
        for (const char *name : {"horoskop.xml", "orvel.xml"}) {
            QFile file(data.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            static constexpr char damaged[] = "\xff\xfe<\0O\0r\0v\0\x01garbage";
            file.write(damaged, sizeof damaged - 1);
        }
        Clock clock;
        RecordingMessageSink ui;
        RecordingSoftInputPanel panel;
        Session session(clock, ui, ui, emptyProgramFolder.path(), data.path());
        CMainFrame frame(session, ui, panel, 1);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(session.document.horoscopes().size(), 2u);
        QCOMPARE(session.document.settings(), ChartSettings::defaults());
        QCOMPARE(session.commands.mode(), ChartMode::RadixI);
        QVERIFY(!frame.grab().isNull());
    }

    // A cut-off horoscope file: the record before the cut opens, the user is told once
    // where the file is damaged, and the first save keeps the damaged file beside it.
    void damagedHoroscopeFileIsToldOnceAndKeptAtTheFirstSave()
    {
        QTemporaryDir data;
        const QByteArray cut = "<Orvel_Horoskop><Horoskop><Name>Kept</Name><Date>01.02.1990 10:00:00</Date></Horoskop>"
                               "<Horoskop><Name>Lost</Na";
        QFile file(data.filePath(QStringLiteral("horoskop.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cut);
        file.close();
        Clock clock;
        clock.fix(DateTime(2026, 12, 8, 14, 30, 0));
        RecordingMessageSink ui;
        Session session(clock, ui, ui, QStringLiteral(ORVEL_PROGRAM_DIR), data.path());
        QCOMPARE(session.document.horoscopes().size(), 2u);
        QCOMPARE(session.document.horoscopes()[0].name, QStringLiteral("Kept"));
        QCOMPARE(ui.messages.size(), 1);
        const QString &message = ui.messages[0];
        QVERIFY2(message.contains(QStringLiteral("horoskop.xml is damaged at character %1").arg(cut.size())), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral(" 1 horoscopes could be read.")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("horoskop.xml.damaged.")), qPrintable(message));
        QVERIFY(session.document.saveHoroscopes());
        QFile kept(data.filePath(QStringLiteral("horoskop.xml.damaged")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), cut);
    }

    // A chart the ephemeris refuses (the year 9000): the message, and the wheel keeps
    // the chart it showed.
    void refusedChartKeepsThePreviousChart()
    {
        FrameUnderTest t;
        t.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.frame.get()));
        const QImage before = t.frame->view()->grab().toImage();
        t.session->document.horoscopes()[1].birth = DateTime(9000, 6, 1, 12, 0, 0);
        for (const CommandId id : {CommandId::RadixII, CommandId::Composite, CommandId::Synastry}) {
            t.frame->action(id)->trigger();
            QCOMPARE(t.session->commands.mode(), ChartMode::RadixI);
        }
        QCOMPARE(t.ui.messages.size(), 3);
        QCOMPARE(t.frame->view()->grab().toImage(), before);
    }

    // At start-up with a refused first chart there is no previous one: rings and title.
    void refusedFirstChartLeavesTheWheelWithoutPoints()
    {
        FrameUnderTest t;
        t.session->document.horoscopes()[0].birth = DateTime(9000, 6, 1, 12, 0, 0);
        t.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.frame.get()));
        QCOMPARE(t.ui.messages.size(), 1);
        QVERIFY(!t.session->commands.hasChart());
        t.frame->action(CommandId::RadixII)->trigger();
        QVERIFY(t.session->commands.hasChart());
    }

    // An Ephem folder without the files: one notice per run, over the painted chart,
    // naming the folder.
    void builtInEphemerisIsNamedOnce()
    {
        QTemporaryDir emptyProgramFolder;
        QVERIFY(QDir(emptyProgramFolder.path()).mkdir(QStringLiteral("Ephem")));
        FrameUnderTest t(emptyProgramFolder.path());
        t.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.frame.get()));
        QTRY_COMPARE(t.ui.messages.size(), 1);
        QVERIFY(t.ui.messages[0].contains(QDir::toNativeSeparators(emptyProgramFolder.path() + QStringLiteral("/Ephem"))));
        QVERIFY(t.ui.messages[0].contains(QStringLiteral("less exact built-in ephemeris")));
        t.frame->action(CommandId::RadixII)->trigger();
        t.frame->action(CommandId::Composite)->trigger();
        QTest::qWait(20);
        QCOMPARE(t.ui.messages.size(), 1);
    }

    void programRefusesWrongOptionsInOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("scale 0") << QStringList{"--scale", "0"};
        QTest::newRow("scale x") << QStringList{"--scale", "x"};
        QTest::newRow("unknown option") << QStringList{"--bogus"};
        QTest::newRow("now without a value") << QStringList{"--now"};
    }
    void programRefusesWrongOptionsInOneLine()
    {
        QFETCH(QStringList, arguments);
        QProcess program;
        program.start(QStringLiteral(ORVELWIN_BINARY), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 2);
        const QByteArray error = program.readAllStandardError();
        QCOMPARE(error.count('\n'), 1);
        QVERIFY(error.startsWith("OrvelWin: "));
    }

    // An empty program folder: no ephemeris, font, database or horoscopes. The program
    // still paints its first wheel and writes nothing.
    void programOpensInAnEmptyFolder()
    {
        QTemporaryDir folder;
        QProcess program;
        program.start(QStringLiteral(ORVELWIN_BINARY),
                      {QStringLiteral("--root"), folder.path(), QStringLiteral("--quit-after-first-paint")});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
    }

    void userFilesGoWhereTheyCanBeWritten()
    {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir writable;
        QCOMPARE(UserDataFolder::choose(writable.path()), writable.path());
        const QString userFolder = UserDataFolder::choose(writable.filePath(QStringLiteral("not-there")));
        QCOMPARE(userFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QVERIFY(QDir(userFolder).exists());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
