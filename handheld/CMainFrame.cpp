#include "handheld/CMainFrame.h"

#include "handheld/CLoadDlg.h"
#include "handheld/CSolarDlg.h"
#include "handheld/COrvelWinView.h"
#include "session/Session.h"
#include "engine/CommandAvailability.h"
#include "render/WheelCanvas.h"
#include "handheld/info/InformationWindows.h"
#include "platform/Clock.h"
#include "platform/MessageSink.h"
#include "gui/CAboutDlg.h"
#include "gui/CHoroscopeDlg.h"
#include "storage/HoroscopeList.h"

#include <QDesktopServices>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <tuple>

namespace orvel {

namespace {

// The command bar's buttons in their order, with icon and tooltip.
struct BarButton {
    CommandId id;
    const char *icon;
    const char *tooltip;
};
constexpr BarButton BarButtons[] = {
    {CommandId::RadixI, "radix1", QT_TRANSLATE_NOOP("orvel::CMainFrame", "Radix I")},
    {CommandId::RadixII, "radix2", QT_TRANSLATE_NOOP("orvel::CMainFrame", "Radix II")},
    {CommandId::Chart, "chart", QT_TRANSLATE_NOOP("orvel::CMainFrame", "Chart")},
    {CommandId::InformationWindows, "information", QT_TRANSLATE_NOOP("orvel::CMainFrame", "Information windows")},
    {CommandId::Horoscope, "horoscope", QT_TRANSLATE_NOOP("orvel::CMainFrame", "Horoscope")},
    {CommandId::AboutButton, "about", QT_TRANSLATE_NOOP("orvel::CMainFrame", "About")},
    {CommandId::Exit, "exit", QT_TRANSLATE_NOOP("orvel::CMainFrame", "Exit")},
};

QSize commandIconSize(int scale)
{
    return QSize(16, 16) * std::min(scale, 3);
}

// Title bar and borders as window managers commonly draw them.
constexpr QSize WindowDecoration(16, 48);

} // namespace

QSize CMainFrame::windowSize(int scale)
{
    QToolBar bar;
    bar.setIconSize(commandIconSize(scale));
    bar.addAction(QIcon(QStringLiteral(":/handheld/radix1.svg")), QString());
    const QSize wheel = QSize(WheelCanvas::Width, WheelCanvas::Height) * scale;
    return QSize(wheel.width(), wheel.height() + bar.sizeHint().height()) + WindowDecoration;
}

CMainFrame::CMainFrame(Session &session, MessageSink &ui, SoftInputPanel &panel, int scale)
    : m_session(session), m_ui(ui), m_panel(panel), m_scale(scale),
      m_openPage([](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{
    setWindowTitle(QStringLiteral("OrvelWin"));
    setWindowIcon(QIcon(QStringLiteral(":/handheld/orvelwin.svg")));
    m_view = new COrvelWinView(session, panel, scale, this);
    setCentralWidget(m_view);
    createCommands();
    createCommandBar(scale);
    connect(m_view, &COrvelWinView::tapped, this, &CMainFrame::openHidingPopup);
}

QAction *CMainFrame::addCommand(CommandId id, const QString &text, std::function<void()> handler)
{
    auto *action = new QAction(text, this);
    // A greyed command does nothing, however it is triggered.
    connect(action, &QAction::triggered, this, [this, id, handler = std::move(handler)] {
        if (isAvailable(id, m_session.commands.mode()))
            handler();
    });
    m_actions[id] = action;
    return action;
}

void CMainFrame::createCommands()
{
    using Commands = ChartCommands;
    addCommand(CommandId::RadixI, tr("Radix I"), [this] { showChart(&Commands::showRadixI); });
    addCommand(CommandId::RadixII, tr("Radix II"), [this] { showChart(&Commands::showRadixII); });
    addCommand(CommandId::Composite, tr("Composite"), [this] { showChart(&Commands::showComposite); });
    addCommand(CommandId::Synastry, tr("Synastry"), [this] { showChart(&Commands::showSynastry); });
    addCommand(CommandId::Transit, tr("Transit"), [this] { showChart(&Commands::showTransit); });

    const std::tuple<CommandId, const char *, InfoWindow> windows[] = {
        {CommandId::Houses, QT_TR_NOOP("Houses"), InfoWindow::Houses},
        {CommandId::Planets, QT_TR_NOOP("Planets"), InfoWindow::Planets},
        {CommandId::Elements, QT_TR_NOOP("Elements"), InfoWindow::Elements},
        {CommandId::Qualities, QT_TR_NOOP("Qualities"), InfoWindow::Qualities},
        {CommandId::AspectsGraphic, QT_TR_NOOP("Aspects graphic"), InfoWindow::AspectsGraphic},
        {CommandId::AspectsTable, QT_TR_NOOP("Aspects table"), InfoWindow::AspectsTable},
    };
    for (const auto &[id, text, window] : windows)
        addCommand(id, tr(text), [this, window = window] { openInformationWindow(window); });

    const std::tuple<CommandId, const char *, void (CMainFrame::*)()> dialogs[] = {
        {CommandId::Solar, QT_TR_NOOP("Solar"), &CMainFrame::solar},
        {CommandId::New, QT_TR_NOOP("New..."), &CMainFrame::newHoroscope},
        {CommandId::Edit, QT_TR_NOOP("Edit..."), &CMainFrame::editHoroscope},
        {CommandId::Load, QT_TR_NOOP("Load..."), &CMainFrame::loadHoroscope},
    };
    for (const auto &[id, text, handler] : dialogs)
        addCommand(id, tr(text), [this, handler = handler] { (this->*handler)(); });

    QAction *houses = addCommand(CommandId::HidingHouses, tr("Hiding houses"),
                                 [this] { toggleHiding(&ChartSettings::hideHouses); });
    QAction *aspects = addCommand(CommandId::HidingAspects, tr("Hiding aspects"),
                                  [this] { toggleHiding(&ChartSettings::hideAspects); });
    houses->setCheckable(true);
    aspects->setCheckable(true);
    addCommand(CommandId::About, tr("About"), [this] { about(); });
    addCommand(CommandId::Exit, tr("Exit"), [this] { exitProgram(); });
    for (const CommandId button : {CommandId::Chart, CommandId::InformationWindows, CommandId::Horoscope, CommandId::AboutButton})
        addCommand(button, QString(), [this, button] { openPopup(button); });

    createPopup(CommandId::Chart, {CommandId::Solar, CommandId::Composite, CommandId::Synastry, CommandId{}, CommandId::Transit});
    createPopup(CommandId::InformationWindows, {CommandId::Houses, CommandId::Planets, CommandId::Elements, CommandId::Qualities,
                                                CommandId{}, CommandId::AspectsGraphic, CommandId::AspectsTable});
    createPopup(CommandId::Horoscope, {CommandId::New, CommandId::Edit, CommandId::Load});
    createPopup(CommandId::AboutButton, {CommandId::About});
    createPopup(CommandId::HidingHouses, {CommandId::HidingHouses, CommandId::HidingAspects});
}

QMenu *CMainFrame::createPopup(CommandId id, std::initializer_list<CommandId> items)
{
    auto *menu = new QMenu(this);
    for (const CommandId item : items) {
        if (item == CommandId{})
            menu->addSeparator();
        else
            menu->addAction(action(item));
    }
    // The style draws a check column that grows with the row height but measures a fixed
    // one: the room of a line's height keeps the widest item whole at large fonts.
    menu->setMinimumWidth(menu->sizeHint().width() + menu->fontMetrics().height());
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateAvailability(menu); });
    m_popups[id] = menu;
    return menu;
}

void CMainFrame::createCommandBar(int scale)
{
    m_bar = new QToolBar(tr("Commands"), this);
    m_bar->setMovable(false);
    m_bar->setFloatable(false);
    m_bar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_bar->setIconSize(commandIconSize(scale));
    for (const BarButton &button : BarButtons) {
        if (!m_bar->actions().isEmpty())
            m_bar->addSeparator();
        QAction *command = action(button.id);
        command->setIcon(QIcon(QStringLiteral(":/handheld/%1.svg").arg(QLatin1String(button.icon))));
        command->setToolTip(tr(button.tooltip));
        m_bar->addAction(command);
        // The popup buttons show no text: screen readers speak the tooltip.
        m_bar->widgetForAction(command)->setAccessibleName(command->toolTip());
    }
    // The button Qt shows when the bar overflows has no text of its own.
    if (auto *more = m_bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More commands"));
    addToolBar(Qt::BottomToolBarArea, m_bar);
}

void CMainFrame::updateAvailability(QMenu *menu)
{
    const ChartMode mode = m_session.commands.mode();
    for (const auto &[id, command] : m_actions)
        if (menu->actions().contains(command))
            command->setEnabled(isAvailable(id, mode));
    const ChartSettings &settings = m_session.document.settings();
    action(CommandId::HidingHouses)->setChecked(settings.hideHouses != 0);
    action(CommandId::HidingAspects)->setChecked(settings.hideAspects != 0);
}

void CMainFrame::openPopup(CommandId button)
{
    QMenu *menu = popup(button);
    const QWidget *widget = m_bar->widgetForAction(action(button));
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    menu->popup(QPoint(topLeft.x(), topLeft.y() - menu->sizeHint().height()));
}

void CMainFrame::openHidingPopup(QPoint globalPosition)
{
    popup(CommandId::HidingHouses)->popup(globalPosition);
}

void CMainFrame::showChart(bool (ChartCommands::*command)())
{
    if ((m_session.commands.*command)())
        m_view->update();
}

void CMainFrame::openInformationWindow(InfoWindow window)
{
    const std::unique_ptr<QDialog> dialog = InformationWindows::create(window, m_session.scene(), m_scale, this);
    dialog->exec();
}

void CMainFrame::toggleHiding(int ChartSettings::*flag)
{
    ChartSettings &settings = m_session.document.settings();
    settings.*flag = settings.*flag ? 0 : 1;
    m_view->update();
    m_session.document.saveSettings();
}

void CMainFrame::newHoroscope()
{
    const HoroscopeDialogVariant variant = HoroscopeDialogVariant::handheld();
    HoroscopeRecord record = HoroscopeRecord::createDefault(m_session.clock.now());
    // The name is the user's language when created; once stored it is data like any other.
    record.name = tr("(New Horoscope)");
    m_session.places.LoadLastCountry(record.country);
    CHoroscopeDlg dialog(record, m_session.clock.now(), variant, m_session.places.databaseFolder(), m_ui, &m_panel,
                         this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A place typed by hand may have no country; the last one used then stays.
    if (!dialog.record().country.isEmpty())
        m_session.places.SaveLastCountry(dialog.record().country);
    // The new horoscope becomes Radix I.
    HoroscopeList(m_session.document.horoscopes()).add(dialog.record());
    m_session.document.saveHoroscopes();
    if (m_session.commands.showRadixI())
        m_view->update();
}

void CMainFrame::editHoroscope()
{
    HoroscopeRecord &record = m_session.document.horoscopes().at(m_session.engine.currentSlot());
    CHoroscopeDlg dialog(record, m_session.clock.now(), HoroscopeDialogVariant::handheld(),
                         m_session.places.databaseFolder(), m_ui, &m_panel, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    record = dialog.record();
    if (!record.country.isEmpty())
        m_session.places.SaveLastCountry(record.country);
    m_session.document.saveHoroscopes();
    recomputeCurrentChart();
}

void CMainFrame::loadHoroscope()
{
    CLoadDlg dialog(m_session.document.horoscopes(), m_session.commands.mode(), this);
    dialog.exec();
    // Deletions stand even when the dialog is cancelled.
    m_session.document.saveHoroscopes();
    recomputeCurrentChart();
}

void CMainFrame::solar()
{
    const HoroscopeRecord &birth = m_session.document.horoscopes().at(m_session.commands.horoscopeSlot());
    CSolarDlg dialog(birth, m_session.places.databaseFolder(), m_session.clock, m_ui, m_panel, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.place())
        return;
    if (m_session.commands.showSolar(dialog.year(), *dialog.place()))
        m_view->update();
}

void CMainFrame::recomputeCurrentChart()
{
    if (m_session.commands.recompute())
        m_view->update();
}

void CMainFrame::about()
{
    CAboutDlg dialog({tr("About OrvelWin"), QStringLiteral(":/handheld/orvelwin.svg"),
                      tr("OrvelWin Version %1").arg(QStringLiteral(ORVEL_VERSION)),
                      tr("Horoscopes computed with the Swiss Ephemeris")},
                     this);
    connect(&dialog, &CAboutDlg::helpPageRequested, this,
            [this](const QString &name) { m_openPage(m_session.programFolder + u'/' + name); });
    dialog.exec();
}

void CMainFrame::exitProgram()
{
    if (m_ui.askYesNo(tr("Exit?")))
        close();
}

} // namespace orvel
