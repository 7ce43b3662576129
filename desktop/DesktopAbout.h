#pragma once

#include "gui/CAboutDlg.h"

#include <QCoreApplication>

namespace orvel {

// What the desktop program's About box says.
inline CAboutDlg::Text desktopAboutText()
{
    return {QCoreApplication::translate("DesktopAbout", "About OrvelWinConfig"),
            QStringLiteral(":/desktop/orvelwinconfig.svg"),
            QCoreApplication::translate("DesktopAbout", "OrvelWinConfig Version 2.0"),
            QCoreApplication::translate("DesktopAbout", "Place files, horoscopes and settings for OrvelWin CE")};
}

} // namespace orvel
