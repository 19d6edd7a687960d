#pragma once
// The help pages of the windows and the help context ids of their controls
// and of the main window's menu items. F1 maps the id of the focused control
// (or highlighted menu item) to a page through this table.
#include <vector>

#include <QString>
#include <QStringList>

namespace zx {

struct HelpTopic {
    const char* window;  // the window the page describes
    const char* page;    // page name without extension, e.g. "keyassign"
    int windowId;        // the window's own help context id (0: none)
    std::vector<int> ids;  // the ids that open this page
};

const std::vector<HelpTopic>& HelpTopicTable();

// The eighteen page names, each shipped in English and Chinese.
QStringList HelpPageNames();

// The page for a help context id. The ids 4101-4110 are shared by the channel
// list and the channel editor, so the id of the window holding the control
// decides first: a topic of that window that lists the id wins, then the
// first topic that lists it. Empty for an id no topic lists.
QString HelpPageForContext(int contextId, int windowId = 0);

// Dynamic properties that carry help on widgets and menu actions: the help
// context id (int) of a control, window or menu item, and the page (QString)
// of a window whose controls carry no ids of their own.
inline constexpr char kHelpContextIdProperty[] = "helpContextId";
inline constexpr char kHelpPageProperty[] = "helpPage";

// The page of the main window, shown when nothing more specific is known.
inline const QString kGeneralHelpPage = QStringLiteral("general");

}  // namespace zx
