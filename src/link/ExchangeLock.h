#pragma once
// Only one exchange with the radio runs at a time: whoever starts one takes
// the lock and gives it back when the exchange has ended and the port is
// closed; a command that finds it taken does nothing.
namespace zx {

// True when no exchange ran and the caller now holds the lock.
bool TryBeginExchange();
void EndExchange();
bool ExchangeRunning();

}  // namespace zx
