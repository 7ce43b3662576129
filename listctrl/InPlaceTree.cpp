#include "listctrl/InPlaceTree.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

#include <algorithm>

namespace tamrex {

namespace {
constexpr int PathRole = Qt::UserRole;
constexpr int ChoiceIndexRole = Qt::UserRole + 1;

QStandardItem *childNamed(QStandardItem *parent, const QString &name)
{
    for (int row = 0; row < parent->rowCount(); ++row) {
        if (parent->child(row)->text() == name)
            return parent->child(row);
    }
    auto *child = new QStandardItem(name);
    // A level that is only part of longer paths cannot be chosen itself.
    child->setFlags(Qt::ItemIsEnabled);
    parent->appendRow(child);
    return child;
}
} // namespace

InPlaceTree::InPlaceTree(const QStringList &choices, const QString &selected, QWidget *parent)
    : QComboBox(parent), m_model(new QStandardItemModel(this))
{
    QModelIndex chosen;
    for (int i = 0; i < choices.size(); ++i) {
        const QString &path = choices.at(i);
        QStandardItem *node = m_model->invisibleRootItem();
        for (const QString &level : path.split(QLatin1Char('\\')))
            node = childNamed(node, level);
        node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        node->setData(path, PathRole);
        node->setData(i, ChoiceIndexRole);
        if (path == selected)
            chosen = node->index();
    }
    setModel(m_model);
    auto *tree = new QTreeView(this);
    tree->header()->hide();
    setView(tree);
    setCurrentIndex(-1);
    if (chosen.isValid())
        choose(chosen);
}

QString InPlaceTree::chosenPath() const
{
    return currentData(PathRole).toString();
}

int InPlaceTree::chosenIndex() const
{
    const QVariant index = currentData(ChoiceIndexRole);
    return index.isValid() ? index.toInt() : -1;
}

void InPlaceTree::showPopup()
{
    auto *tree = static_cast<QTreeView *>(view());
    tree->expandAll();
    // The drop-down is as wide as its deepest path needs, at least as wide as the cell.
    tree->setMinimumWidth(std::max(width(), view()->sizeHintForColumn(0) + tree->indentation()));
    QComboBox::showPopup();
}

void InPlaceTree::choose(const QModelIndex &index)
{
    // QComboBox chooses by row under its root only; the root goes back to the top so
    // that the popup shows the whole tree.
    setRootModelIndex(index.parent());
    setCurrentIndex(index.row());
    setRootModelIndex(QModelIndex());
}

} // namespace tamrex
