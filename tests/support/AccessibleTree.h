#pragma once

#include <QAccessible>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace orvel {

// What a screen reader finds in a window: the visible controls a user can operate that
// have no accessible name.
class AccessibleTree {
public:
    // Shows `window` and lists its unnamed controls as "role R: Class name in parent".
    static QStringList unnamedControls(QWidget &window)
    {
        QAccessible::setActive(true);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        return unnamedBelow(QAccessible::queryAccessibleInterface(&window));
    }

private:
    static bool isInteractive(QAccessible::Role role)
    {
        switch (role) {
        case QAccessible::PushButton:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
        case QAccessible::PageTab:
            return true;
        default:
            return false;
        }
    }

    static QStringList unnamedBelow(QAccessibleInterface *node)
    {
        QStringList unnamed;
        if (!node || node->state().invisible)
            return unnamed;
        if (isInteractive(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject *object = node->object();
            const QObject *owner = object ? object->parent() : nullptr;
            unnamed.append(QStringLiteral("role %1: %2 %3 in %4")
                               .arg(int(node->role()))
                               .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QString(),
                                    object ? object->objectName() : QString(), owner ? owner->objectName() : QString()));
        }
        for (int i = 0; i < node->childCount(); ++i)
            unnamed += unnamedBelow(node->child(i));
        return unnamed;
    }
};

} // namespace orvel
