#pragma once

#include <QDateTime>
#include <QPointer>
#include <QStringList>
#include <QStyledItemDelegate>

#include <optional>

class CExListCtrl;

namespace tamrex {

// What the next editor of a CExListCtrl shows: its kind and its starting value.
struct EditorRequest {
    enum Kind { Text, List, Tree, Date };
    Kind kind = Text;
    QStringList choices;  // List and Tree
    bool sort = false;    // List
    int selected = -1;    // List: index into the list as shown
    QString selectedText; // Tree: the chosen path
    QDateTime date;       // Date
};

// Creates the in-place editors of a CExListCtrl, places them over their cell, hands the
// edited value back to the list and paints read-only rows in the list's read-only colour.
// The list opens an editor only after setting a request; Qt's own edit triggers get none.
class CellEditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellEditorDelegate(CExListCtrl *list);

    // The next createEditor builds this editor; without a request it builds none.
    void setRequest(const EditorRequest &request);
    void clearRequest();
    // The editor built by the last createEditor, while it exists.
    QWidget *createdEditor() const;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    QWidget *createList(QWidget *parent, const EditorRequest &request, const QString &cellText,
                        int width) const;
    void endWith(QWidget *editor);

    CExListCtrl *m_list;
    mutable std::optional<EditorRequest> m_request;
    mutable QPointer<QWidget> m_created;
};

} // namespace tamrex
