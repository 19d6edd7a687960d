#pragma once
// How long a test waits on the real clock.
//
// The tests run on machines of any speed, loaded or not, often eight
// sanitizer builds at once on shared cores: no verdict may hang on how fast
// the machine is. So
// - a wait for something that must happen is bounded only to end a hang,
//   never to judge speed (WaitUntil);
// - a timing the program fixes (command spacing, holds, reply time-outs) is
//   checked exactly on the virtual clock of the exchange tests; on the real
//   clock it is bounded from below, and from above only by far more than any
//   load adds (ExpectWaitedAbout).
#include <functional>

#include <gtest/gtest.h>

#include <QTest>

namespace zx::test {

// Reached only when what a test waits for never comes.
inline constexpr int kHangGuardMs = 30000;
// What a loaded machine may add to a wait of the program's, and more.
inline constexpr qint64 kLoadSlackMs = 10000;

// Runs the event loop until `done` holds; false only after kHangGuardMs.
inline bool WaitUntil(const std::function<bool()>& done)
{
    return QTest::qWaitFor(done, kHangGuardMs);
}

// A wait the program keeps on the real clock: at least `programMs` (less the
// `earlyMs` a timer may fire early by), and not endlessly longer.
inline void ExpectWaitedAbout(qint64 waitedMs, qint64 programMs, qint64 earlyMs = 1)
{
    EXPECT_GE(waitedMs, programMs - earlyMs);
    EXPECT_LT(waitedMs, programMs + kLoadSlackMs);
}

}  // namespace zx::test
