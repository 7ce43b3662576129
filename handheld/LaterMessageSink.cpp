#include "handheld/LaterMessageSink.h"

#include <QTimer>

namespace orvel {

void LaterMessageSink::showMessage(const QString &text)
{
    QTimer::singleShot(0, &m_pending, [this, text] { m_target.showMessage(text); });
}

} // namespace orvel
