#pragma once
// The messages of the main window's exchange, with their exact texts.
#include <QString>

namespace zx {

// The three lines of the test-mode entry's mismatch box, joined by CR LF.
QString TestFrequencyMismatchText();
// "Test Frequency mismatch." ... titled "Error" ("警告" in Chinese), OK,
// critical icon.
void ShowTestFrequencyMismatch();

// The device vanished during the exchange; `portName` is "COM<n> (<device>)".
void ShowMainLinkPortLost(const QString& portName);

}  // namespace zx
