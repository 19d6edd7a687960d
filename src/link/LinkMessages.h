#pragma once
// The message boxes of the serial exchanges, with their exact texts.
#include <QString>

#include "link/RadioTransfer.h"
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
// out); `portName` is "COM<n> (<device>)". The text tells what the radio
// holds now.
QString PortLostText(const QString& portName, PortLoss loss);
void ShowPortLost(const QString& portName, PortLoss loss);

}  // namespace zx
