#pragma once
// Drives a modal dialog that a command opens with exec(): the step runs from
// the dialog's own event loop. A dialog of another kind is closed, so a test
// never hangs.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace zx::test {

inline bool HasFailure();

template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> step)
{
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "expected modal dialog not open";
            if (modal)
                modal->close();
            return;
        }
        step(*dialog);
        if (dialog->isVisible() && QApplication::activeModalWidget() == dialog && HasFailure())
            dialog->close();
    });
}

inline bool HasFailure() { return ::testing::Test::HasFailure(); }

}  // namespace zx::test
