#pragma once

#include <QStringList>

class CExListCtrl;
class QWidget;

namespace orvel {

// A list control of integer cells as the settings pages use it: grid lines, whole-row
// selection, columns of fixed widths that cannot be resized, and every finished cell
// edit written back as a plain integer (text that is no number becomes 0).
class ValueGrid {
public:
    struct Column {
        QString heading;
        int width;
        bool editable;
        Qt::Alignment alignment;
    };
    // A list of `rows` rows; the cells of column `labelColumn` take `labels`.
    static CExListCtrl *create(const QList<Column> &columns, int rows, int labelColumn, const QStringList &labels,
                               QWidget *parent);
};

} // namespace orvel
