#pragma once

#include "handheld/info/InfoDialog.h"

#include <QPainter>

#include <functional>
#include <optional>

namespace orvel {

// A window whose contents are painted in the 240 by 270 logical area: Elements,
// Qualities and the aspect graphic. The painter function draws in logical
// coordinates with the window's text font and colours; the dialog scales it.
class PaintedDialog : public InfoDialog {
    Q_OBJECT
public:
    using Paint = std::function<void(QPainter &, const QPalette &)>;

    // `name` is shown as a name text above the painting when there is one.
    PaintedDialog(const QString &title, const std::optional<QString> &name, Paint paint, int scale,
                  QWidget *parent = nullptr);

    // Paints the contents on any device, `scale` device pixels per logical pixel.
    void paintContents(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Paint m_paint;
};

} // namespace orvel
