#include "link/ExchangeLock.h"

#include "core/AppCore.h"

namespace zx {

bool TryBeginExchange()
{
    bool& running = Core().link.exchangeRunning;
    if (running)
        return false;
    running = true;
    return true;
}

void EndExchange()
{
    Core().link.exchangeRunning = false;
}

bool ExchangeRunning()
{
    return Core().link.exchangeRunning;
}

}  // namespace zx
