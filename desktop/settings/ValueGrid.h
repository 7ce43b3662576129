#pragma once

#include <QCoreApplication>
#include <QStringList>

class CExListCtrl;
class QWidget;

namespace orvel {

class MessageSink;

// A list control of integer cells as the settings pages use it: grid lines, whole-row
// selection, columns that cannot be resized, and every finished cell edit written back
// as a plain integer (text that is no number becomes 0); an edit outside the grid's
// range keeps the cell's value and says why. Since the user cannot widen a column, each
// column is as wide as its heading and its values need (never narrower than the width
// asked for), and the list is exactly as large as its rows and columns, so nothing in it
// is cut off or scrolls.
class ValueGrid {
    Q_DECLARE_TR_FUNCTIONS(ValueGrid)
public:
    struct Range {
        int min;
        int max;
        QString what; // "Planet values", named in the message
    };
    struct Column {
        QString heading;
        int width; // the least width; 0 hides the column
        bool editable;
        Qt::Alignment alignment;
    };
    // A list of `rows` rows; the cells of column `labelColumn` take `labels`. `sink`
    // must outlive the list.
    static CExListCtrl *create(const QList<Column> &columns, int rows, int labelColumn, const QStringList &labels,
                               const Range &range, MessageSink &sink, QWidget *parent);

    // The width column `column` of `list` needs for its heading and its cells' texts.
    static int neededWidth(const CExListCtrl *list, int column);
    // Shows `value` in a cell and makes it the value a refused edit returns to.
    static void setValue(CExListCtrl *list, int item, int column, int value);
};

} // namespace orvel
