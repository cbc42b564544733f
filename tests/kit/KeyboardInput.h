#pragma once

// Keys as a user types them: each goes to the widget that has the focus in
// the active window, through the application, so that dialogs, default
// buttons and focus chains see what they would see on a desktop.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Makes a shown window the active one, so that it has a focus widget.
inline void Activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

inline void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    QTest::keyClick(target, key, modifiers);
}

// Presses Tab until the focus is on target; false when the chain never
// reaches it.
inline bool TabTo(const QWidget* target)
{
    for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}
