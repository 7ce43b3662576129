#pragma once

#include <QWidget>

namespace orvel {

class Session;
class SoftInputPanel;

// The chart view: the wheel of the current chart, magnified uniformly to fill the
// widget (aspect ratio kept, centred). A tap asks the frame for the hiding popup.
class COrvelWinView : public QWidget {
    Q_OBJECT
public:
    // `session` and `panel` must outlive the view; `scale` sets the preferred size.
    COrvelWinView(Session &session, SoftInputPanel &panel, int scale, QWidget *parent = nullptr);

    QSize sizeHint() const override;

signals:
    // A tap at `globalPosition`.
    void tapped(QPoint globalPosition);
    // The first wheel is on the screen.
    void firstPainted();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // What the wheel shows, for screen readers: "Radix I: Ada Example, London".
    QString chartDescription() const;

    Session &m_session;
    SoftInputPanel &m_panel;
    int m_scale;
    bool m_shown = false;
    bool m_painted = false;
};

} // namespace orvel
