#pragma once

#include <QString>

#include <functional>

namespace tamrex {

// The find state of a list: the text to find, the direction, and the row the last
// search stopped at. A search walks the rows from the one after (before) that row and
// stops at the first row with a cell holding the text, ignoring case; a miss makes the
// next search start over at the first (last) row.
class RowSearch {
public:
    // The text of a cell; empty for a cell without text.
    using CellText = std::function<QString(int row, int column)>;

    // The next search goes on from the last hit, in the new direction.
    void setQuery(const QString &text, bool down);
    const QString &text() const;
    bool down() const;
    // The next search starts at the first (last) row.
    void startOver();

    // Whether a cell's text holds the text to find; never for an empty text to find.
    bool matches(const QString &cellText) const;
    // The row the search stops at, or -1 for a miss.
    int next(int rows, int columns, const CellText &cellText);

private:
    QString m_text;
    bool m_down = true;
    int m_position = -1; // the last hit; -1 before the first search and after a miss
};

} // namespace tamrex
