#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;

namespace orvel {

// The frame shared by the information windows: a fixed 240 by 270 logical area (the
// handheld screen) plus an OK button below it, everything multiplied by `scale`. A
// window whose contents need more room is widened up to the screen's available width.
class InfoDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int LogicalWidth = 240;
    static constexpr int LogicalHeight = 270;
    static constexpr int ButtonHeight = 30;

    int scale() const { return m_scale; }

protected:
    // `scale` is brought into 1 .. 8.
    InfoDialog(const QString &title, int scale, QWidget *parent);

    // A rectangle in dialog units of the window layout, in device pixels.
    QRect fromDialogUnits(int x, int y, int width, int height) const;
    // The name text above the contents.
    QLabel *addName(const QString &text);
    // Makes the window wide enough for contents of `width` pixels between the margins,
    // within the handheld screen's width and the available screen width; returns the
    // width the contents get.
    int widenFor(int width);

private:
    // Left and right margins around the contents, device pixels.
    int leftMargin() const;
    int rightMargin() const;

    int m_scale;
    QDialogButtonBox *m_buttons;
    QLabel *m_name = nullptr;
};

} // namespace orvel
