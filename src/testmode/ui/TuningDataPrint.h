#pragma once
// Printing the tuning data from the test window: the confirmation, then the
// page on the printer kept for the run (or into a PDF file the user names
// when no printer is installed); a failure is shown with its own
// description. The test window switches the transmitter off before it calls
// this.
class QWidget;

namespace zx {

// True when the page was printed; false when the user cancelled (the
// question or the file dialog) or the printing failed (the user was told).
bool PrintTuningData(QWidget* owner);

}  // namespace zx
