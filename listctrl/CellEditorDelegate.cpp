#include "listctrl/CellEditorDelegate.h"

#include "listctrl/CellRecords.h"
#include "listctrl/DateStatus.h"
#include "listctrl/ExListCtrl.h"
#include "listctrl/InPlaceTree.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace tamrex {

namespace {
const QString DateFormat = QStringLiteral("dd.MM.yyyy");
constexpr int DropDownRows = 5;

// The horizontal alignment the column shows its values with: the cell's own, else the
// header's, else left.
Qt::Alignment columnAlignment(const CExListCtrl *list, const QModelIndex &index)
{
    Qt::Alignment horizontal = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;
    if (!horizontal) {
        if (const QTableWidgetItem *header = list->horizontalHeaderItem(index.column()))
            horizontal = Qt::Alignment(header->textAlignment()) & Qt::AlignHorizontal_Mask;
    }
    return (horizontal ? horizontal : Qt::Alignment(Qt::AlignLeft)) | Qt::AlignVCenter;
}
} // namespace

CellEditorDelegate::CellEditorDelegate(CExListCtrl *list)
    : QStyledItemDelegate(list), m_list(list)
{
}

void CellEditorDelegate::setRequest(const EditorRequest &request)
{
    m_request = request;
}

void CellEditorDelegate::clearRequest()
{
    m_request.reset();
}

QWidget *CellEditorDelegate::createdEditor() const
{
    return m_created;
}

QWidget *CellEditorDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    if (!m_request)
        return nullptr;
    const EditorRequest request = *m_request;
    m_request.reset();

    QWidget *editor = nullptr;
    switch (request.kind) {
    case EditorRequest::Text: {
        auto *edit = new QLineEdit(index.data(Qt::DisplayRole).toString(), parent);
        edit->setAlignment(columnAlignment(m_list, index));
        // Typing replaces the old value; the arrow keys keep it for a change in place.
        edit->selectAll();
        editor = edit;
        break;
    }
    case EditorRequest::List:
        editor = createList(parent, request, index.data(Qt::DisplayRole).toString(), option.rect.width());
        break;
    case EditorRequest::Tree: {
        const QString chosen = request.selectedText.isEmpty() ? index.data(Qt::DisplayRole).toString()
                                                              : request.selectedText;
        auto *tree = new InPlaceTree(request.choices, chosen, parent);
        tree->setMaxVisibleItems(DropDownRows * 2);
        connect(tree, &QComboBox::activated, this,
                [self = const_cast<CellEditorDelegate *>(this), tree] { self->endWith(tree); });
        editor = tree;
        break;
    }
    case EditorRequest::Date: {
        auto *date = new QDateEdit(parent);
        // The widget's own earliest date, 14 September 1752, would move older dates there.
        date->setDateRange(CDateStatus::earliestDate(), CDateStatus::latestDate());
        date->setDate(request.date.date());
        date->setDisplayFormat(DateFormat);
        date->setCalendarPopup(true);
        editor = date;
        break;
    }
    }
    // A right click in an editor does nothing (a context menu would end the edit).
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    m_created = editor;
    return editor;
}

QWidget *CellEditorDelegate::createList(QWidget *parent, const EditorRequest &request,
                                        const QString &cellText, int width) const
{
    auto *combo = new QComboBox(parent);
    QStringList choices = request.choices;
    if (request.sort) {
        std::sort(choices.begin(), choices.end(),
                  [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    }
    combo->addItems(choices);
    combo->setMaxVisibleItems(DropDownRows);
    combo->view()->setMinimumWidth(width);
    // Without a stored choice the entry the cell shows is the chosen one, so that
    // leaving the list unchanged keeps the cell's text.
    const int selected = request.selected >= 0 && request.selected < choices.size()
                             ? request.selected
                             : choices.indexOf(cellText);
    combo->setCurrentIndex(selected);
    // Picking an entry from the drop-down ends the edit.
    connect(combo, &QComboBox::activated, this,
            [self = const_cast<CellEditorDelegate *>(this), combo] { self->endWith(combo); });
    return combo;
}

void CellEditorDelegate::endWith(QWidget *editor)
{
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CellEditorDelegate::setEditorData(QWidget *, const QModelIndex &) const
{
    // Every editor starts from its request, not from the model.
}

void CellEditorDelegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                      const QModelIndex &index) const
{
    int selected = -1;
    QDate date;
    QString text;
    if (auto *tree = qobject_cast<InPlaceTree *>(editor)) {
        selected = tree->chosenIndex();
        text = tree->chosenPath();
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        selected = combo->currentIndex();
        text = combo->currentText();
    } else if (auto *dateEdit = qobject_cast<QDateEdit *>(editor)) {
        date = dateEdit->date();
        text = date.toString(DateFormat);
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        text = edit->text();
    }
    // A list or tree left without any choice changes nothing.
    const bool isChoice = qobject_cast<QComboBox *>(editor) != nullptr;
    if (isChoice && selected < 0)
        return;
    m_list->endEdit(index.row(), index.column(), text, selected, date);
}

void CellEditorDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    QRect cell = option.rect;
    cell.setRight(std::min(cell.right(), m_list->viewport()->rect().right()));
    editor->setGeometry(cell);
}

void CellEditorDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    if (m_list->m_readOnlyColourEnabled && m_list->m_records->isReadOnlyItem(index.row())
        && !(option.state & QStyle::State_Selected)) {
        painter->fillRect(option.rect, m_list->m_readOnlyColour);
    }
    QStyledItemDelegate::paint(painter, option, index);
}

} // namespace tamrex
