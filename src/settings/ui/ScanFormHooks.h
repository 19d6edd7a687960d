#pragma once
// What the scan information window reaches of the channel editor: its
// priority check box, kept in step with the scan priority mode and channel.
// The main window fills these in; a hook left empty does nothing, so the
// window works while there is no editor.
#include <functional>

#include <QString>

namespace zx {

struct ChannelEditorPriorityLink {
    // The editor's RX frequency text (txtRxFreq) and channel box (txtChannel).
    std::function<QString()> rxFrequencyText;
    std::function<QString()> channelText;
    // ChkPriorityChannel's enabled state.
    std::function<void(bool enabled)> setPriorityEnabled;
    // Shows ChkPriorityChannel ticked or not, as a mirror only: the box's own
    // click action does not run, so the priority channel stays as committed.
    std::function<void(bool checked)> showPriorityChecked;
};

}  // namespace zx
