#pragma once

#include "handheld/info/InfoDialog.h"
#include "render/InfoTable.h"

class QTreeWidget;

namespace orvel {

// A window of the name text above a report list with full-row selection: Houses,
// Planets and the aspect table. Each column is as wide as its header and cells, and
// the window as wide as the columns need, so the list scrolls sideways only when that
// is wider than the screen.
class ReportDialog : public InfoDialog {
    Q_OBJECT
public:
    ReportDialog(const InfoTable &table, int scale, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }

private:
    void fitColumns();

    QTreeWidget *m_list;
};

} // namespace orvel
