#pragma once
// The message boxes of the serial exchanges, with their exact texts.
#include <QString>

#include "platform/Prompt.h"

namespace zx {

// The box on a missing or bad reply: Retry (default) or Cancel.
MsgResult ReplyTimeoutBox();

// The write's question when the radio is another model; true for OK.
bool AskOverwriteOtherModel();

// "Reading Completed" / "Writing Completed".
void ShowTransferCompleted(bool read);

// A port that could not be opened; `reason` names the device and the cause.
void ShowPortOpenError(const QString& reason);

// The device vanished in the middle of a read or write (a USB adapter pulled
// out); `portName` is "COM<n> (<device>)".
QString PortLostText(const QString& portName, bool read);
void ShowPortLost(const QString& portName, bool read);

}  // namespace zx
