#pragma once
// What the test-mode entry asks of the test-mode subsystem: store the
// radio's tuning block, list and compare its test frequencies, and show the
// test window when all sixteen agree with the image. The main-window
// exchange calls each at its place in the entry; tests use scripted fakes.
#include <QByteArray>

namespace zx {

class TestEntryHooks {
public:
    virtual ~TestEntryHooks() = default;

    // The 62-byte reply to the tuning-data request (0x05), unchecked: into
    // the image's tuning area and the test values, at once (also when the
    // entry then fails).
    virtual void StoreTuningData(const QByteArray& reply) = 0;
    // The reply to test channel n (1..16): lists it as the radio's test
    // channel n.
    virtual void StoreTestFrequency(int n, const QByteArray& reply) = 0;
    // True when the 8-byte reply equals entry n of the image's test
    // frequency table (both empty counts as equal).
    virtual bool TestFrequencyMatches(int n, const QByteArray& reply) = 0;
    // All sixteen agreed: the main window is disabled and its port closed;
    // shows the test window, which opens its own port. The exchange lock
    // passes to the test window, which gives it back once it has closed its
    // port.
    virtual void ShowTestForm() = 0;
};

}  // namespace zx
