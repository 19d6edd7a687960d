#pragma once
// The application core: owns the one radio image and the shared state for
// the whole run. Windows reach it through Core().
#include <array>

#include <QObject>

#include "core/ChannelRecord.h"
#include "core/ChannelRegisters.h"
#include "core/ModelRules.h"
#include "core/RadioImage.h"
#include "core/SharedState.h"
#include "core/TestModeState.h"
#include "core/WindowSlotTable.h"

namespace zx {

class AppCore : public QObject {
    Q_OBJECT
public:
    AppCore();
    ~AppCore() override;
    AppCore(const AppCore&) = delete;
    AppCore& operator=(const AppCore&) = delete;

    RadioImage image;
    DocumentState document;
    PreWriteChecks checks;
    LinkState link;
    AppLifeState life;
    PriorityState priority;
    TestModeState testMode;
    // The Window menu's slots and the editor windows' open flags.
    WindowSlotTable windowSlots;

    bool LanguageChinese = false;
    // Set by the language dialog's OK when it changed the language, cleared
    // by its OK without a change and by its Cancel.
    bool LanguageChanged = false;
    bool EightChannelModel = false;
    int BandUpperMHz = 490;
    int BandLowerMHz = 450;
    int CurrentChannel = 1;  // channel under the grid cursor
    int GridChannel = 1;     // channel named in the channel window's caption

    // The current-channel registers: the settings of the channel being
    // decoded, edited or printed.
    ChannelRegisters channelRegisters;
    // Copy of the 16 channel records, index channel - 1, taken by
    // CopyChannelRecords for the decoders.
    std::array<ChannelRecordBytes, layout::kMaxChannels> ChData{};

    // Builds the default image for the image's band code and variant and
    // takes over its band limits.
    void InitAllFrameData();
    // Sets the band limits from the default band table for the image's band
    // code (after the image was replaced by a file, a read or the memory map).
    void SetBandLimitsFromImage();
    // Evaluates the channel count rule on the image into EightChannelModel.
    void ApplyEightChannelRule();
    int ChannelCount() const { return layout::ChannelCountOf(EightChannelModel); }
    // Copies the 16 channel records of the image into ChData (also on an
    // 8-channel model).
    void CopyChannelRecords();

    // Shows the Window menu and, when slot 0 is hidden, slot 0 for channel 1
    // (GridChannel = 1), without its check mark.
    void RestoreChannelSlot();

    // The current instance; exactly one exists while the program (or a test)
    // runs.
    static AppCore& instance();

private:
    AppCore* previous_ = nullptr;
};

inline AppCore& Core() { return AppCore::instance(); }

}  // namespace zx
