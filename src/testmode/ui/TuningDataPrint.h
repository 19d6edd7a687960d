#pragma once
// Printing the tuning data from the test window: the confirmation, then the
// page on the printer kept for the run (or into a PDF file the user names
// when no printer is installed); a failure is shown with its own
// description. The test window switches the transmitter off before it calls
// this.
class QWidget;

namespace zx {

class TestForm;

// The wait between switching the transmitter off and the confirmation.
inline constexpr int kPttOffWaitMs = 200;

// The test window's Print button: the transmitter is switched off through
// the window's Ptt step (08 0E), and 200 ms later, whatever came of it, the
// confirmation and the printout follow. The window's controls start nothing
// from the click until the printout has ended.
void CmdPrint_Click(TestForm& form);
// Connects the window's CmdPrint to CmdPrint_Click.
void AttachTuningDataPrint(TestForm& form);

// True when the page was printed; false when the user cancelled (the
// question or the file dialog) or the printing failed (the user was told).
bool PrintTuningData(QWidget* owner);

}  // namespace zx
