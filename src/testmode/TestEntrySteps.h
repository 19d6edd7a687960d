#pragma once
// The data steps of the test-mode entry over the program's image and test
// mode state: the tuning block goes into the image's tuning area and the
// test values, each test channel of the radio is listed and compared with
// the image, and the test window is shown when all sixteen agree (through
// the function the main window gives, which knows the window).
#include <functional>

#include "core/RadioImage.h"
#include "core/TestModeState.h"
#include "link/TestEntryHooks.h"

namespace zx {

class TestEntrySteps : public TestEntryHooks {
public:
    TestEntrySteps(RadioImage& image, TestModeState& state, std::function<void()> showTestForm);

    void StoreTuningData(const QByteArray& reply) override;
    void StoreTestFrequency(int n, const QByteArray& reply) override;
    bool TestFrequencyMatches(int n, const QByteArray& reply) override;
    void ShowTestForm() override;

private:
    RadioImage& image_;
    TestModeState& state_;
    std::function<void()> showTestForm_;
};

}  // namespace zx
