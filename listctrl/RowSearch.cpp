#include "listctrl/RowSearch.h"

#include <algorithm>

namespace tamrex {

void RowSearch::setQuery(const QString &text, bool down)
{
    m_text = text;
    m_down = down;
}

const QString &RowSearch::text() const
{
    return m_text;
}

bool RowSearch::down() const
{
    return m_down;
}

void RowSearch::startOver()
{
    m_position = -1;
}

bool RowSearch::matches(const QString &cellText) const
{
    return !m_text.isEmpty() && cellText.contains(m_text, Qt::CaseInsensitive);
}

int RowSearch::next(int rows, int columns, const CellText &cellText)
{
    const int step = m_down ? 1 : -1;
    int row = m_position >= 0 ? m_position + step : (m_down ? 0 : rows - 1);
    // Rows past the last hit may have been deleted since; upwards the walk starts at the
    // last row left, instead of missing every row above.
    if (!m_down)
        row = std::min(row, rows - 1);
    for (; row >= 0 && row < rows; row += step) {
        for (int column = 0; column < columns; ++column) {
            if (matches(cellText(row, column))) {
                m_position = row;
                return row;
            }
        }
    }
    startOver();
    return -1;
}

} // namespace tamrex
