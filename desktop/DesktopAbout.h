#pragma once

#include "platform/gui/CAboutDlg.h"

namespace orvel {

// What the desktop program's About box says.
inline CAboutDlg::Text desktopAboutText()
{
    return {QStringLiteral("About OrvelWinConfig"), QStringLiteral(":/desktop/orvelwinconfig.svg"),
            QStringLiteral("OrvelWinConfig Version 2.0"), QStringLiteral("Place files, horoscopes and settings for OrvelWin CE")};
}

} // namespace orvel
