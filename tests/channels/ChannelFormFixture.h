#pragma once
// The channel list window in a main window of its own, with a registry
// holding it in slot 0 and a log of the channel editor hooks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include "ChannelTestSupport.h"
#include "channels/ChannelList.h"
#include "common/Patience.h"
#include "core/ChannelRecord.h"
#include "channels/ui/ChannelForm.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/ui/ScreenTwips.h"

namespace zx::test {

// RX 146.12500 only, tones None, High, Wide, PTT ID Off, autodial 1.
const char* const kRxOnly = "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8";
// RX and TX 146.12500, decode and encode 67.0.
const char* const kRxTx = "00 25 61 14 00 25 61 14 9E 02 9E 02 00 BF B0 F8";

// A channel editor that records what the list asks of it.
struct HookLog : ChannelEditor {
    std::vector<int> editorChannels;
    std::vector<std::pair<int, QString>> picks;
    std::vector<int> frequencyColumns;
    int enableCalls = 0;
    int clearCalls = 0;
    int showCalls = 0;
    int editCalls = 0;
    int hideCalls = 0;
    int unloadCalls = 0;

    void cmdChannelEdit_Click() override { ++editCalls; }
    void SetEditorChannel(int n) override { editorChannels.push_back(n); }
    void ShowChannelInEditor() override { ++showCalls; }
    void ClearChannelEdit() override { ++clearCalls; }
    void EnableChannelEdit() override { ++enableCalls; }
    void MirrorFrequencyCommit(int column, const FrequencyCommit&, bool) override
    {
        frequencyColumns.push_back(column);
    }
    void MirrorListPick(int column, const QString& text) override { picks.emplace_back(column, text); }
    void HideChannelEditor() override { ++hideCalls; }
    // As the editor's unload does: its flag and slot are freed.
    void UnloadChannelEditor() override
    {
        ++unloadCalls;
        Core().windowSlots.FreeWindowSlot(ChannelEditFormOpen);
    }
};

class ChannelFormTest : public ::testing::Test {
protected:
    void SetUp() override { Start(0x01, 0xF8); }

    void Start(std::uint8_t band, std::uint8_t variant)
    {
        core.image.setModelBandCode(band);
        core.image.setModelVariant(variant);
        core.InitAllFrameData();
        core.ApplyEightChannelRule();
        main.resize(1300, 900);
        area = new QMdiArea;
        main.setCentralWidget(area);
        registry = std::make_unique<EditorWindowRegistry>(area);
        registry->RegisterWindow(0, [this]() -> EditorWindowFrame* {
            auto* list = new ChannelForm();
            list->setChannelEditor([this] { return &log; });
            return list;
        });
        WindowSlotTable& table = core.windowSlots;
        table.setOpen(ChannelFormOpen, true);
        table.setSlotVisible(0, true);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, kHangGuardMs));
        QApplication::setActiveWindow(&main);
        form = static_cast<ChannelForm*>(registry->Load(0));
        form->show();
        area->setActiveSubWindow(form);
        form->DecodeAllChannels();
    }

    // The editor counts as open while the slot table's flag says so.
    void SetEditorOpen(bool open) { core.windowSlots.setOpen(ChannelEditFormOpen, open); }

    void Program(int channel, const char* hex)
    {
        WriteChannelRecord(core.image, channel, Record(hex));
        form->DecodeAllChannels();
    }

    QTableWidget* Grid() const { return form->ChannelGrid(); }
    QLineEdit* TextBox() const { return form->txtInputBox(); }
    QComboBox* List() const { return form->comInputStep(); }
    bool TextBoxOpen() const { return !TextBox()->isHidden(); }
    bool ListOpen() const { return !List()->isHidden(); }
    QString Cell(int row, int column) const { return Grid()->item(row, column)->text(); }
    QStringList Row(int row) const
    {
        QStringList texts;
        for (int c = 1; c <= 9; ++c)
            texts << Cell(row, c);
        return texts;
    }
    std::pair<int, int> Cursor() const { return {Grid()->currentRow(), Grid()->currentColumn()}; }
    // A cursor position, to compare with Cursor().
    static std::pair<int, int> At(int row, int column) { return {row, column}; }
    QByteArray RecordHex(int channel) const { return Hex(ReadChannelRecord(core.image, channel)); }

    void Focus(int row, int column)
    {
        Grid()->setCurrentCell(row, column);
        Grid()->setFocus();
    }
    // A key on the grid, as it arrives with the grid focused.
    void GridKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Grid(), static_cast<Qt::Key>(key), modifiers);
    }
    // A key to whatever has the focus (an open editor).
    void Key(int key)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key));
    }
    void Type(const QString& text)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClicks(focus, text);
    }
    void ClickCell(int row, int column)
    {
        const QRect r = Grid()->visualRect(Grid()->model()->index(row, column));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, r.center());
    }

    AppCore core;
    test::ScriptedPrompts prompts;
    HookLog log;
    QMainWindow main;
    QMdiArea* area = nullptr;
    std::unique_ptr<EditorWindowRegistry> registry;
    ChannelForm* form = nullptr;
};

}  // namespace zx::test
