#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace orvel::bench {

// Shows `widget` and returns once its first paint is done (and its children's of the
// same update), then hides it; false if no paint came within two seconds.
inline bool showUntilPainted(QWidget &widget)
{
    class FirstPaint : public QObject {
    public:
        bool painted = false;

    protected:
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                painted = true;
            return false;
        }
    } watch;
    widget.installEventFilter(&watch);
    widget.show();
    QElapsedTimer limit;
    limit.start();
    while (!watch.painted && limit.elapsed() < 2000)
        QApplication::processEvents();
    QApplication::processEvents();
    widget.hide();
    widget.removeEventFilter(&watch);
    return watch.painted;
}

} // namespace orvel::bench
