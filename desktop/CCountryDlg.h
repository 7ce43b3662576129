#pragma once

#include "placedb/CountryRecord.h"

#include <QDialog>
#include <QTimer>

#include <vector>

class QPushButton;
class QTreeWidget;

namespace orvel {

class CountryChoice;
class MessageSink;

// Chooses the countries whose place files go onto the handheld: countries not chosen
// on the left, chosen ones on the right, each list in its own sorted order. Opens on
// the choice last saved from this PC, or on a PC that never saved one, on the
// countries the handheld holds. Every name is also its item's tooltip, so that one
// too long for its column can still be read whole.
class CCountryDlg : public QDialog {
    Q_OBJECT
public:
    // `choice` and `sink` must outlive the dialog.
    CCountryDlg(CountryChoice &choice, MessageSink &sink, const QString &programFolder, QWidget *parent = nullptr);

    // Fills the lists; false (after a message) when the country file or the mirror
    // cannot be read, and the dialog should not be shown.
    bool load();

    QTreeWidget *leftList() const { return m_left; }
    QTreeWidget *rightList() const { return m_right; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }

public slots:
    void addSelected();
    void addAll();
    void removeAll();
    void removeSelected();
    // Stores the choice; closes only when everything was stored.
    void save();

private:
    QTreeWidget *makeList(const QString &column);
    // Inserts country `index` before the first item whose list key is greater.
    void insertSorted(QTreeWidget *list, int index);
    void moveSelected(QTreeWidget *from, QTreeWidget *to);
    void moveAll(QTreeWidget *from, QTreeWidget *to);
    void updateButtons();

    CountryChoice &m_choice;
    MessageSink &m_sink;
    std::vector<CountryRecord> m_countries; // the lists' items hold indices into it
    std::vector<QString> m_keys;            // list keys, by the same index
    QTreeWidget *m_left;
    QTreeWidget *m_right;
    QPushButton *m_add;
    QPushButton *m_remove;
    QTimer m_buttonTimer;
};

} // namespace orvel
