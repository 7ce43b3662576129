#pragma once

#include <QString>

#include <functional>
#include <vector>

class CExListCtrl;
class QAbstractButton;
class QButtonGroup;
class QLineEdit;

namespace orvel {

// Moves integer settings between widgets and the settings block: the one place that
// knows how a check box, a radio group, a digit edit or a list cell shows a value.
// Each binding refers to a field of a block that outlives it.
class SettingsBinding {
public:
    // A check box: checked for any value but 0; stored as 1 or 0.
    void bind(QAbstractButton *box, int &field);
    // Radio buttons whose ids are the values; a value without a button checks none.
    void bind(QButtonGroup *group, int &field);
    // A text edit holding the value as decimal text.
    void bind(QLineEdit *edit, int &field);
    // A list cell holding the value as decimal text.
    void bind(CExListCtrl *list, int item, int column, int &field);

    // Shows every bound value in its widget.
    void load() const;
    // Takes every widget's value into its field; text that is no number gives 0.
    void store() const;

    // The integer a cell or edit text stands for, and the text shown for an integer.
    static int value(const QString &text);
    static QString text(int value);

private:
    struct Entry {
        std::function<void()> load;
        std::function<void()> store;
    };
    std::vector<Entry> m_entries;
};

} // namespace orvel
