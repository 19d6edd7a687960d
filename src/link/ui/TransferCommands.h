#pragma once
// Program > Read from Radio and Program > Write to Radio (also toolbar
// buttons 7 and 9). Each sets TransferMode, prepares the transfer dialog,
// shows it modally and makes the channel list visible once it has closed.
// The write first runs the pre-write checks. Both do nothing while another
// exchange with the radio runs.
#include <functional>

namespace zx {

class ConnectForm;
class MenuCommands;
class Workspace;

void MnuProgramRead_Click(Workspace& workspace);
void MnuProgramWrite_Click(Workspace& workspace);

// "MnuProgramRead" and "MnuProgramWrite" (toolbar buttons 7 and 9 run them).
void AttachTransferCommands(MenuCommands& menu, Workspace& workspace);

// How the commands show the dialog; the default runs it modally. Returns
// the previous one.
using ConnectFormRunner = std::function<void(ConnectForm&)>;
ConnectFormRunner SetConnectFormRunner(ConnectFormRunner runner);

}  // namespace zx
