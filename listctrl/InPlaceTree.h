#pragma once

#include <QComboBox>

class QStandardItemModel;

namespace tamrex {

// A drop-down tree of choices for a tree column. Each choice is a path whose levels a
// backslash separates ("Europa\Deutschland"); the levels become nodes of the tree and
// only the listed paths can be chosen. The text of a choice is its whole path.
class InPlaceTree : public QComboBox {
    Q_OBJECT
public:
    InPlaceTree(const QStringList &choices, const QString &selected, QWidget *parent);

    // The chosen path, empty when nothing is chosen.
    QString chosenPath() const;
    // The chosen path's index in the choices, -1 when nothing is chosen.
    int chosenIndex() const;

    void showPopup() override;

private:
    void choose(const QModelIndex &index);

    QStandardItemModel *m_model;
};

} // namespace tamrex
