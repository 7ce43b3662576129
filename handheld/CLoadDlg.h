#pragma once

#include "engine/ChartCommands.h"
#include "engine/HoroscopeRecord.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

namespace orvel {

// The load dialog: the stored horoscopes by name and city. Delete removes the selected
// one at once; OK or a double tap puts the selected one in the place of the chart on
// screen (Radix II's in mode 2, Radix I's otherwise), the one there taking its place.
class CLoadDlg : public QDialog {
    Q_OBJECT
public:
    // Works on `horoscopes` directly, which must outlive the dialog.
    CLoadDlg(std::vector<HoroscopeRecord> &horoscopes, ChartMode mode, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }

    // Loads the selected horoscope and closes; stays open without a selection.
    void accept() override;
    // Deletes the selected horoscope while more than two are stored.
    void deleteSelected();

private:
    void fitColumns(const QWidget *parent);
    int selectedRow() const;

    std::vector<HoroscopeRecord> &m_horoscopes;
    ChartMode m_mode;
    QTreeWidget *m_list = nullptr;
};

} // namespace orvel
