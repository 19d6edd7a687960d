#pragma once
// The document commands of the main window: New, Open, Save, Save As and the
// offer to save a changed image at exit, with the change tracking behind it.
// They work on Core(): the image, DocumentState, the pre-write flags and the
// Window-menu slots. What they need of the windows goes through the
// workspace.
#include <QString>

#include "core/RadioImage.h"

namespace zx {

class Workspace;

enum class SaveResult {
    Written,    // the file holds the image
    Cancelled,  // the dialog or the overwrite question was cancelled
    WriteFailed // the write was started and failed; the message was shown
};

class DocumentCommands {
public:
    explicit DocumentCommands(Workspace& workspace);

    // File > New: after confirmation, the default image of the current model.
    void NewDocument();
    // File > Open: replaces the image by a data file the user picks. Returns
    // true when the image was replaced.
    bool OpenDocument();
    // File > Save; also sets SaveCancelled.
    SaveResult MnuFileSave_Click();
    // File > Save As.
    SaveResult MnuFileSaveAs_Click();
    // Writes the image to DataFilePath through a temporary file, so a failure
    // leaves the previous file whole; reports its own failure.
    bool WriteDataFile();

    void TakeSnapshot();
    // True when the image differs from the snapshot; the PTT ID type (0x133)
    // and the model variant (0x1BE) do not count.
    bool DocumentChanged();

    // The exit's save offer; true when the exit may go on. A cancelled or
    // failed save keeps the program running.
    bool OfferSaveAtExit();

    // True after a Save that was cancelled before anything was written.
    bool SaveCancelled = false;

    // Texts of this command set, in the language in force.
    static QString FileFilter();

private:
    QString InitialDirectory() const;
    void ShowOpenError(const QString& text) const;
    void ShowChannelSlot();
    // After New or Open: refills the channel list, names the document, and
    // renews the title, slot 0 and the grid cursor.
    void ShowReplacedImage(const QString& path, bool hasFile);

    Workspace& workspace_;
    // The folder the file dialogs were last told to start in; the Save dialog
    // of an unnamed document starts there (the system's default while empty).
    QString lastInitDir_;
};

}  // namespace zx
