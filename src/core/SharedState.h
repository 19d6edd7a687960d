#pragma once
// The state the windows share besides the image, grouped by concern. One
// instance of each lives in the AppCore.
#include <QByteArray>
#include <QString>

#include "core/RadioImage.h"

namespace zx {

inline const QString kDefaultDataFileName = QStringLiteral("ZX-4100.dat");

// The data file in use and the copy of the image taken for change tracking.
struct DocumentState {
    QString DataFilePath = kDefaultDataFileName;
    // True once the image has been stored in or read from a named file. A
    // default name ("ZX-4100.dat") means the image was never saved.
    bool hasFile = false;
    QString LastDirectory;
    RadioImage snapshot;
};

// Flags the editors set and the write command checks before it sends.
struct PreWriteChecks {
    bool PriorityChannelError = false;
    bool OwnFleetIdError = false;
    bool PttCodeCheck = false;
    int PttCodeMissing = 0;  // empty PTT ID codes: 0 none, 1 Begin of TX, 2 End of TX, 3 both
};

// TransferMode: what the transfer dialog does, and that a transfer has just
// completed (the channel decoder then lays the grid out for the image read).
enum class TransferMode { Read = 0, Write = 1, Completed = 55 };

// The serial exchange in progress, if any.
struct LinkState {
    int ComPortNumber = 1;
    zx::TransferMode TransferMode = zx::TransferMode::Read;
    bool exchangeRunning = false;  // only one exchange at a time
};

// Flags of the main window's life cycle.
struct AppLifeState {
    bool AppExiting = false;
    bool ChannelFormUnloaded = false;
};

}  // namespace zx
