#pragma once
// The real main window as the user first sees it: made with the settings of
// any earlier test cleared, sized, shown and, for tests that type into it,
// made the active window.
#include <memory>

#include <QApplication>
#include <QTest>

#include "app/MDIForm1.h"
#include "common/Patience.h"
#include "platform/SettingsStore.h"

namespace zx::test {

enum class Activate { No, Yes };

// False when the window never reached the screen.
[[nodiscard]] inline bool ShowFreshMainWindow(std::unique_ptr<MDIForm1>& main, int width, int height,
                                              Activate activate)
{
    OpenSettings()->clear();
    main = std::make_unique<MDIForm1>();
    main->resize(width, height);
    main->show();
    if (!QTest::qWaitForWindowExposed(main.get(), kHangGuardMs))
        return false;
    if (activate == Activate::Yes)
        QApplication::setActiveWindow(main.get());
    return true;
}

}  // namespace zx::test
