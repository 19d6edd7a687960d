#pragma once
// The real main window, shown on fresh settings, with the radio simulator
// on a pseudo-terminal attached as COM n; what the radio holds is each
// test's own.
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/MDIForm1.h"
#include "common/MainWindowShown.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "platform/SettingsStore.h"
#include "sim/PtyRadio.h"

namespace zx::test {

class MainWindowOnSimulator : public ::testing::Test {
protected:
    // `activate`: the main window is also made the active window, for
    // keyboard input. Call through ASSERT_NO_FATAL_FAILURE.
    void ShowMainWindow(int comPort, bool activate = false)
    {
        ASSERT_TRUE(ShowFreshMainWindow(main_, 900, 600, activate ? Activate::Yes : Activate::No));
        ASSERT_TRUE(sim_.ok());
        sim_.Attach(comPort, core_);
    }

    AppCore core_;
    ScriptedPrompts prompts_;
    PtyRadio sim_;
    std::unique_ptr<MDIForm1> main_;
};

}  // namespace zx::test
