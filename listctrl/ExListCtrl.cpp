#include "listctrl/ExListCtrl.h"

#include "listctrl/CellEditorDelegate.h"
#include "listctrl/CellRecords.h"
#include "listctrl/FindDialog.h"
#include "listctrl/RowSearch.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>

namespace {
constexpr int MinimumEditableWidth = 5;
} // namespace

CExListCtrl::CExListCtrl(QWidget *parent)
    : CBaseListCtrl(parent),
      m_delegate(new tamrex::CellEditorDelegate(this)),
      m_records(std::make_unique<tamrex::CellRecords>()),
      m_search(std::make_unique<tamrex::RowSearch>())
{
    setItemDelegate(m_delegate);
    connect(model(), &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) { m_records->rowsRemoved(first, last, rowCount()); });
    // clear() empties every cell at once, so no status describes a cell any more.
    connect(model(), &QAbstractItemModel::modelReset, this, [this] { m_records->clearStatuses(); });
    // Columns declared unresizable before they exist are locked once they do.
    connect(horizontalHeader(), &QHeaderView::sectionCountChanged, this, [this](int, int count) {
        for (int column : m_records->unresizableColumns()) {
            if (column < count)
                horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
        }
    });
}

CExListCtrl::~CExListCtrl()
{
    // The model and the header outlive this part of the object; their last signals
    // must not reach it.
    disconnect(model(), nullptr, this, nullptr);
    disconnect(horizontalHeader(), nullptr, this, nullptr);
}

void CExListCtrl::SetEditLabels(bool enable)
{
    m_editLabels = enable;
}

bool CExListCtrl::HasEditLabels() const
{
    return m_editLabels;
}

void CExListCtrl::SetComboColumn(int column, QStringList *items, bool set, bool sort)
{
    m_records->setComboColumn(column, items, set, sort);
}

void CExListCtrl::SetComboTreeColumn(int column, QStringList *items, bool set)
{
    m_records->setTreeColumn(column, items, set);
}

void CExListCtrl::SetDateColumn(int column, bool set)
{
    m_records->setDateColumn(column, set);
}

void CExListCtrl::SetReadOnlyColumn(int column, bool readOnly)
{
    m_records->setReadOnlyColumn(column, readOnly);
}

void CExListCtrl::SetReadOnlyItem(int item, bool readOnly)
{
    m_records->setReadOnlyItem(item, readOnly);
    viewport()->update();
}

void CExListCtrl::SetUnresizableColumn(int column, bool unresizable)
{
    m_records->setUnresizableColumn(column, unresizable);
    if (column >= 0 && column < horizontalHeader()->count())
        horizontalHeader()->setSectionResizeMode(column, unresizable ? QHeaderView::Fixed : QHeaderView::Interactive);
}

void CExListCtrl::SetReadOnlySubItem(int item, int column, bool readOnly)
{
    m_records->setReadOnlyCell(item, column, readOnly);
}

bool CExListCtrl::IsSubitemReadOnly(int item, int column) const
{
    return m_records->isReadOnlyCell(item, column);
}

void CExListCtrl::RemoveReadOnlyInformation(int item, int column)
{
    SetReadOnlySubItem(item, column, false);
}

void CExListCtrl::RemoveAllReadOnlyInformation()
{
    m_records->clearReadOnly();
    viewport()->update();
}

void CExListCtrl::AddComboItems(int column, const CComboItemsList *list)
{
    if (list)
        m_records->setColumnChoices(column, *list);
}

void CExListCtrl::AddComboItems(int item, int column, const CComboSubitemsList *list)
{
    if (list)
        m_records->setCellChoices(item, column, *list);
}

bool CExListCtrl::GetComboItems(int column, CComboItemsList *list) const
{
    const CComboItemsList *record = m_records->columnChoices(column);
    if (!record || !list)
        return false;
    *list = *record;
    return true;
}

bool CExListCtrl::GetComboItems(int item, int column, CComboSubitemsList *list) const
{
    const CComboSubitemsList *record = m_records->cellChoices(item, column);
    if (!record || !list)
        return false;
    *list = *record;
    return true;
}

bool CExListCtrl::GetListItems(int column, QStringList *items, bool &sort) const
{
    const CComboItemsList *record = m_records->columnChoices(column);
    if (!record || !items)
        return false;
    items->append(record->items);
    sort = record->sort;
    return true;
}

bool CExListCtrl::GetListItems(int column, int item, QStringList *items) const
{
    const CComboSubitemsList *record = m_records->cellChoices(item, column);
    if (!record || !items)
        return false;
    items->append(record->items);
    return true;
}

void CExListCtrl::AddComboStatus(int item, int column, int selected, const QString &text)
{
    m_records->setComboStatus(item, column, selected, text);
}

bool CExListCtrl::GetSelectedItem(int item, int column, int &selected) const
{
    const CComboStatus *status = m_records->comboStatus(item, column);
    if (!status)
        return false;
    selected = status->selected;
    return true;
}

bool CExListCtrl::GetSelectedItem(int item, int column, QString &text) const
{
    const CComboStatus *status = m_records->comboStatus(item, column);
    if (!status)
        return false;
    text = status->text;
    return true;
}

void CExListCtrl::RemoveComboStatus(int item, int column)
{
    m_records->removeComboStatus(item, column);
}

void CExListCtrl::RemoveAllComboStatus()
{
    m_records->clearComboStatuses();
}

void CExListCtrl::AddDateStatus(int item, int column, const QDateTime &date)
{
    m_records->setDate(item, column, date);
}

bool CExListCtrl::GetDateItem(int item, int column, QDateTime &date) const
{
    const CDateStatus *status = m_records->dateStatus(item, column);
    if (!status)
        return false;
    date = status->date;
    return true;
}

void CExListCtrl::UpdateSubitemsList(int item)
{
    m_records->removeCellChoicesOf(item);
}

int CExListCtrl::HitTestEx(const QPoint &point, int *column) const
{
    if (column)
        *column = 0;
    const int item = rowAt(point.y());
    if (item < 0)
        return -1;
    for (int c = 0; c < columnCount(); ++c) {
        if (isColumnHidden(c))
            continue;
        const int left = columnViewportPosition(c);
        if (left <= point.x() && point.x() <= left + columnWidth(c)) {
            if (column)
                *column = c;
            return item;
        }
    }
    return -1;
}

QWidget *CExListCtrl::EditSubLabel(int item, int column)
{
    if (item < 0 || item >= rowCount() || column < 0 || column >= columnCount() || isColumnHidden(column)
        || columnWidth(column) < MinimumEditableWidth)
        return nullptr;
    endOpenEdit();
    if (item >= rowCount()) // the owner may have deleted rows on the end of the last edit
        return nullptr;

    if (!(QGuiApplication::keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier)))
        clearSelection();
    selectionModel()->setCurrentIndex(model()->index(item, column),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);

    using Kind = tamrex::CellRecords::Kind;
    const Kind kind = m_records->kindOf(column);
    if (kind == Kind::Combo || kind == Kind::Tree) {
        const tamrex::CellRecords::Choices choices = m_records->choicesFor(item, column);
        if (choices.items.isEmpty())
            return nullptr;
        const CComboStatus chosen = m_records->ensureComboStatus(item, column);
        if (kind == Kind::Combo)
            return ShowInPlaceList(item, column, choices.items, choices.sort, chosen.selected);
        return ShowInPlaceTree(item, column, choices.items, chosen.text);
    }
    if (kind == Kind::Date)
        return ShowInPlaceDate(item, column, m_records->ensureDate(item, column, QDateTime::currentDateTime()));
    return ShowInPlaceEdit(item, column);
}

QWidget *CExListCtrl::ShowInPlaceEdit(int item, int column)
{
    return openEditor(item, column, {tamrex::EditorRequest::Text, {}, false, -1, {}, {}});
}

QWidget *CExListCtrl::ShowInPlaceList(int item, int column, const QStringList &choices, bool sort,
                                      int selected)
{
    return openEditor(item, column, {tamrex::EditorRequest::List, choices, sort, selected, {}, {}});
}

QWidget *CExListCtrl::ShowInPlaceTree(int item, int column, const QStringList &choices,
                                      const QString &selected)
{
    return openEditor(item, column, {tamrex::EditorRequest::Tree, choices, false, -1, selected, {}});
}

QWidget *CExListCtrl::ShowInPlaceDate(int item, int column, const QDateTime &date)
{
    return openEditor(item, column, {tamrex::EditorRequest::Date, {}, false, -1, {}, date});
}

QWidget *CExListCtrl::openEditor(int item, int column, const tamrex::EditorRequest &request)
{
    if (item < 0 || item >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    endOpenEdit();
    if (item >= rowCount())
        return nullptr;
    const QModelIndex index = model()->index(item, column);
    // The row becomes visible; the horizontal position is showWholeColumn's.
    const int horizontal = horizontalScrollBar()->value();
    scrollTo(index, QAbstractItemView::EnsureVisible);
    horizontalScrollBar()->setValue(horizontal);
    showWholeColumn(column);

    m_delegate->setRequest(request);
    m_opening = true;
    const bool opened = CBaseListCtrl::edit(index, QAbstractItemView::AllEditTriggers, nullptr);
    m_opening = false;
    m_delegate->clearRequest();
    if (!opened)
        return nullptr;
    m_editor = m_delegate->createdEditor();
    if (m_editor)
        m_editor->setFocus();
    return m_editor;
}

void CExListCtrl::showWholeColumn(int column)
{
    const int left = columnViewportPosition(column);
    const int width = columnWidth(column);
    const int client = viewport()->width();
    int delta = 0;
    // A column wider than the view shows its left part, where the text begins.
    if (left < 0 || width > client)
        delta = left;
    else if (left + width > client)
        delta = left + width - client;
    if (delta != 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + delta);
}

void CExListCtrl::endOpenEdit()
{
    QWidget *editor = m_editor;
    if (!editor)
        return;
    m_editor = nullptr;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CExListCtrl::endEdit(int item, int column, const QString &text, int selected, const QDate &date)
{
    if (!SetItemText(item, column, text))
        return;
    m_records->recordEdit(item, column, text, selected, date);
    emit subItemEdited(this, item, column, this->item(item, column)->text());
}

void CExListCtrl::SetColorForReadOnlyItem(const QColor &colour, bool enable)
{
    m_readOnlyColourEnabled = enable;
    if (enable)
        m_readOnlyColour = colour;
    viewport()->update();
}

void CExListCtrl::EnableFind(bool enable)
{
    m_findEnabled = enable;
    m_search->startOver();
}

void CExListCtrl::Find()
{
    if (!m_findEnabled)
        return;
    tamrex::FindDialog dialog(m_search->text(), m_search->down(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_search->setQuery(dialog.text(), dialog.down());
    Search();
}

bool CExListCtrl::Search()
{
    if (!m_findEnabled)
        return false;
    if (m_search->text().isEmpty()) {
        Find();
        return false;
    }
    const int row = m_search->next(rowCount(), columnCount(), [this](int r, int c) {
        const QTableWidgetItem *cell = item(r, c);
        return cell ? cell->text() : QString();
    });
    if (row >= 0) {
        clearSelection();
        selectionModel()->setCurrentIndex(model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        return true;
    }
    QMessageBox::information(this, window()->windowTitle(), tr("Cannot find '%1'!").arg(m_search->text()));
    return false;
}

bool CExListCtrl::SearchSubItem(int item, int column) const
{
    const QTableWidgetItem *cell = this->item(item, column);
    return cell && m_search->matches(cell->text());
}

void CExListCtrl::mousePressEvent(QMouseEvent *event)
{
    // Selection and focus as usual; Qt opens no editor of its own.
    CBaseListCtrl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    int column = 0;
    const int item = HitTestEx(event->position().toPoint(), &column);
    // Only a cell of the row that already is current after the click opens an editor.
    if (item < 0 || item != currentRow() || column < 1 || !m_editLabels || !m_records->isEditable(item, column))
        return;
    EditSubLabel(item, column);
}

void CExListCtrl::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F2: {
        const int item = currentRow();
        if (item >= 0 && m_editLabels) {
            for (int column = 1; column < columnCount(); ++column) {
                if (m_records->isEditable(item, column)) {
                    EditSubLabel(item, column);
                    break;
                }
            }
        }
        event->accept();
        return;
    }
    case Qt::Key_F3:
        Search();
        break;
    case Qt::Key_F:
        if (event->modifiers() & Qt::ControlModifier) {
            Find();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Delete:
        emit deleteKeyPressed(this);
        break;
    default:
        break;
    }
    CBaseListCtrl::keyPressEvent(event);
}

void CExListCtrl::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_findEnabled) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    menu.addAction(tr("&Find..."), this, &CExListCtrl::Find);
    menu.exec(event->globalPos());
}

void CExListCtrl::scrollContentsBy(int dx, int dy)
{
    // An open editor would otherwise drift off its cell; scrolling ends the edit first,
    // as taking the focus from the editor does.
    if (!m_opening)
        endOpenEdit();
    CBaseListCtrl::scrollContentsBy(dx, dy);
}

bool CExListCtrl::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Qt asks for an editor on its own only to go on to the next cell after Tab; that
    // cell opens as a click on it would.
    if (!m_opening && trigger == QAbstractItemView::AllEditTriggers) {
        return index.isValid() && index.column() >= 1 && m_editLabels
               && m_records->isEditable(index.row(), index.column()) && EditSubLabel(index.row(), index.column());
    }
    return CBaseListCtrl::edit(index, trigger, event);
}

void CExListCtrl::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == m_editor)
        m_editor = nullptr;
    CBaseListCtrl::closeEditor(editor, hint);
}
