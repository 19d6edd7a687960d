#pragma once
// The Window menu's nine slots and the open flags of the editor windows,
// without any real window or menu: the main window mirrors this state in its
// menu, the windows drive it.
//
// Slots: 0 channel list, 1 optional features, 2 key assignment, 3 scan,
// 4 DTMF, 5 FleetSync, 6 test frequencies, 7 embedded message, 8 channel
// editor. The tree view has an open flag but no slot.
#include <array>

#include <QObject>
#include <QString>

namespace zx {

inline constexpr int kWindowSlotCount = 9;

// Index of an open flag: the slots 0-8, then the tree view.
enum EditorFlag : int {
    ChannelFormOpen = 0,
    OptionalFormOpen = 1,
    KeyAssignOpen = 2,
    ScanFormOpen = 3,
    DTMFFormOpen = 4,
    FleetsyncFormOpen = 5,
    TestChannelFormOpen = 6,
    EmbedInfoFormOpen = 7,
    ChannelEditFormOpen = 8,
    TreeViewFormOpen = 9,
};
inline constexpr int kEditorFlagCount = 10;

struct WindowSlot {
    bool visible = false;
    QString caption;
    bool checked = false;
    bool operator==(const WindowSlot&) const = default;
};

class WindowSlotTable : public QObject {
    Q_OBJECT
public:
    WindowSlotTable();

    // String id of the Window-menu caption of slots 1-8 (LoadLangString).
    static int SlotCaptionId(int slot) { return 1040 + slot; }

    const WindowSlot& slot(int k) const { return slots_.at(static_cast<std::size_t>(k)); }
    bool windowMenuVisible() const { return windowMenuVisible_; }
    bool isOpen(int flag) const { return open_.at(static_cast<std::size_t>(flag)); }

    void setOpen(int flag, bool open);
    void setWindowMenuVisible(bool visible);
    void setSlotVisible(int k, bool visible);
    void setSlotCaption(int k, const QString& caption);
    void setSlotChecked(int k, bool checked);

    // Slot k gets the check mark; every other visible slot loses it (hidden
    // slots keep theirs).
    void CheckWindowSlot(int k);
    // Shows a hidden slot with its caption and the check mark, taking the mark
    // from the other visible slots; a visible slot is left as it is.
    void ShowSlotChecked(int k, const QString& caption);
    // The window of slot k has closed: its flag is cleared, the Window menu
    // hidden when nothing is open any more, the slot hidden.
    void FreeWindowSlot(int k);
    // Hides the Window menu when every open flag, the tree view's included,
    // is clear.
    void HideWindowMenuIfNoEditor();

    std::array<bool, kWindowSlotCount> checkMarks() const;
    void setCheckMarks(const std::array<bool, kWindowSlotCount>& marks);

signals:
    // Any slot, flag or the menu's visibility changed.
    void changed();

private:
    std::array<WindowSlot, kWindowSlotCount> slots_;
    std::array<bool, kEditorFlagCount> open_{};
    bool windowMenuVisible_ = true;
};

}  // namespace zx
