#pragma once
// Whether the window manager keeps a window above the window it belongs to,
// as far as the program decides it: a window of its own (not a child, which
// would be disabled with its owner), of a dialog kind (X11 window managers
// take the transient hint only from those), transient for the owner's
// window. Whether it takes input is the caller's to check: the test window
// stays above the main window while a tuning dialog disables it.
#include <gtest/gtest.h>

#include <QWidget>
#include <QWindow>

namespace zx::test {

inline ::testing::AssertionResult StaysAbove(const QWidget& window, const QWidget& owner)
{
    const std::string name = window.objectName().toStdString() + " \"" + window.windowTitle().toStdString() + "\"";
    if (!window.isWindow())
        return ::testing::AssertionFailure() << name << " is no window of its own";
    const QWindow* handle = window.windowHandle();
    if (!handle)
        return ::testing::AssertionFailure() << name << " has no native window";
    if (handle->transientParent() != owner.window()->windowHandle())
        return ::testing::AssertionFailure() << name << " is not transient for "
                                             << owner.window()->windowTitle().toStdString();
    switch (handle->type()) {
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool: break;
    default:
        return ::testing::AssertionFailure() << name << " is a window of type " << int(handle->type())
                                             << ", whose transient hint window managers ignore";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace zx::test
