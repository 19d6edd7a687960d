#pragma once
// Program > Read from Radio and Program > Write to Radio (also toolbar
// buttons 7 and 9). Each sets TransferMode, prepares the transfer dialog,
// shows it modally and makes the channel list visible once it has closed.
// The write first runs the pre-write checks. Both do nothing while another
// exchange with the radio runs.
#include <functional>

#include "link/TransferHooks.h"

class QWidget;

namespace zx {

class ConnectForm;

void MnuProgramRead_Click(const TransferHooks& hooks, QWidget* parent);
void MnuProgramWrite_Click(const TransferHooks& hooks, QWidget* parent);

// How the commands show the dialog; the default runs it modally. Returns
// the previous one.
using ConnectFormRunner = std::function<void(ConnectForm&)>;
ConnectFormRunner SetConnectFormRunner(ConnectFormRunner runner);

}  // namespace zx
