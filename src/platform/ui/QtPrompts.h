#pragma once

namespace zx {
// Installs the handlers that show real message boxes and file dialogs.
void InstallQtPrompts();
}
