#pragma once
// The main window's menu items and toolbar buttons as seen by the
// subsystems: each subsystem attaches the commands of its own items, by the
// item's name, in one function of its own.
#include <functional>

#include <QString>

namespace zx {

class MenuCommands {
public:
    using Command = std::function<void()>;

    virtual ~MenuCommands() = default;

    // Runs `command` when the item named `menuItem` ("MnuFileNew",
    // "MnuWindowSub0", ...) or a toolbar button naming it is chosen. A name
    // that names no menu item is kept as an error (UnknownCommandNames), so
    // a misspelt name fails at start-up instead of leaving an item dead.
    virtual void setCommand(const QString& menuItem, Command command) = 0;
};

}  // namespace zx
