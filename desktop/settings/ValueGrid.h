#pragma once

#include <QStringList>

class CExListCtrl;
class QWidget;

namespace orvel {

class MessageSink;

// A list control of integer cells as the settings pages use it: grid lines, whole-row
// selection, columns of fixed widths that cannot be resized, and every finished cell
// edit written back as a plain integer (text that is no number becomes 0). An edit
// outside the grid's range keeps the cell's value and says why.
class ValueGrid {
public:
    struct Range {
        int min;
        int max;
        QString what; // "Planet values", named in the message
    };
    struct Column {
        QString heading;
        int width;
        bool editable;
        Qt::Alignment alignment;
    };
    // A list of `rows` rows; the cells of column `labelColumn` take `labels`. `sink`
    // must outlive the list.
    static CExListCtrl *create(const QList<Column> &columns, int rows, int labelColumn, const QStringList &labels,
                               const Range &range, MessageSink &sink, QWidget *parent);
    // Shows `value` in a cell and makes it the value a refused edit returns to.
    static void setValue(CExListCtrl *list, int item, int column, int value);
};

} // namespace orvel
