#pragma once
// What a user does with the keyboard in a window under test: focus a control
// as Tab would, press keys on whatever has the focus, type into a box and
// leave it, pick a list entry with the arrow keys. Fixtures derive from it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace zx::test {

class UserInput {
protected:
    // Focuses a control as Tab would (a text box selects its text).
    void Focus(QWidget* w)
    {
        w->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), w) << w->objectName().toStdString();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* f = Focused();
        ASSERT_NE(f, nullptr);
        QTest::keyClick(f, key, modifiers);
    }
    void Tab() { Key(Qt::Key_Tab); }
    // Focuses the box, types over its text and leaves it with Tab.
    void TypeAndLeave(QLineEdit* box, const QString& text)
    {
        Focus(box);
        QTest::keyClicks(box, text);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        Tab();
    }
    // A choice in a list with the arrow keys, as a user makes it; the list
    // keeps the focus.
    void Choose(QComboBox* list, int position)
    {
        Focus(list);
        while (list->currentIndex() < position)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > position)
            QTest::keyClick(list, Qt::Key_Up);
    }
};

}  // namespace zx::test
