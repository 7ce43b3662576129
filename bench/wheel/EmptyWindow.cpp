// The least a Qt Widgets program does before its first paint: the baseline of the
// launch figure.
#include <QApplication>
#include <QPaintEvent>
#include <QWidget>

namespace {

class QuitAfterFirstPaint : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override { QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection); }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QuitAfterFirstPaint window;
    window.resize(480, 590);
    window.show();
    return QApplication::exec();
}
