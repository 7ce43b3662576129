#include "gui/InputMethodPanel.h"

#include <QGuiApplication>
#include <QInputMethod>

namespace orvel {

void InputMethodPanel::setUp(QWidget *, bool up)
{
    QInputMethod *panel = QGuiApplication::inputMethod();
    up ? panel->show() : panel->hide();
}

} // namespace orvel
