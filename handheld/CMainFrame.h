#pragma once

#include "engine/CommandId.h"
#include "render/InfoWindow.h"

#include <QMainWindow>
#include <functional>
#include <map>

class QMenu;
class QToolBar;

namespace orvel {

class ChartCommands;
struct ChartSettings;
class COrvelWinView;
class Session;
class MessageSink;
class SoftInputPanel;

// The handheld program's frame: the chart view above a command bar of seven buttons,
// four of which open popups of further commands, and the hiding popup that a tap on the
// view opens. Every command of the program starts here.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Everything passed in must outlive the frame. `scale` magnifies the starting size.
    CMainFrame(Session &session, MessageSink &ui, SoftInputPanel &panel, int scale);

    // The frame's outer size at `scale`: the wheel, the command bar and room for the window
    // manager's title bar and borders, which are not known before the window is shown.
    static QSize windowSize(int scale);

    COrvelWinView *view() const { return m_view; }
    QToolBar *commandBar() const { return m_bar; }
    // The action of a command (menu item or bar button).
    QAction *action(CommandId id) const { return m_actions.at(id); }
    // The popup a bar button opens (Chart, InformationWindows, Horoscope, AboutButton),
    // or the hiding popup for HidingHouses.
    QMenu *popup(CommandId id) const { return m_popups.at(id); }

    // How help pages are opened; the desktop's default browser unless replaced.
    void setPageOpener(std::function<void(const QString &path)> opener) { m_openPage = std::move(opener); }

private:
    QAction *addCommand(CommandId id, const QString &text, std::function<void()> handler);
    void createCommands();
    void createCommandBar(int scale);
    QMenu *createPopup(CommandId id, std::initializer_list<CommandId> items);
    void updateAvailability(QMenu *menu);
    void openPopup(CommandId button);
    void openHidingPopup(QPoint globalPosition);

    // Runs a chart command when the chart mode allows it, then redraws.
    void showChart(bool (ChartCommands::*command)());
    // Opens an information or aspect window over the current chart.
    void openInformationWindow(InfoWindow window);
    void toggleHiding(int ChartSettings::*flag);
    // The horoscope commands: a new horoscope becomes Radix I; an edited or loaded one
    // is saved and its chart computed again.
    void newHoroscope();
    void editHoroscope();
    void loadHoroscope();
    // Asks for the year and place of a solar return and shows it; a cancelled dialog
    // or a failed offset lookup keeps the chart on screen.
    void solar();
    // Runs the command of the current chart mode again (the horoscope commands are
    // offered only in Radix I and II).
    void recomputeCurrentChart();

    void about();
    void exitProgram();

    Session &m_session;
    MessageSink &m_ui;
    SoftInputPanel &m_panel;
    int m_scale;
    COrvelWinView *m_view = nullptr;
    QToolBar *m_bar = nullptr;
    std::map<CommandId, QAction *> m_actions;
    std::map<CommandId, QMenu *> m_popups;
    std::function<void(const QString &)> m_openPage;
};

} // namespace orvel
