// What follows a change of model by the model dialog or the memory map.
#include <gtest/gtest.h>

#include "core/AppCore.h"
#include "core/ModelChange.h"
#include "core/ModelRules.h"
#include "common/ImageFixtures.h"
#include "common/RecordingWorkspace.h"

using namespace zx;
using zx::test::DefaultFor;

namespace {

class ModelChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        core_.windowSlots.setOpen(ChannelFormOpen, true);  // as start-up leaves it
        core_.image = DefaultFor(0x21, 0xF8);
        core_.image.set(0x020, 0x45);  // an edited channel byte
        core_.document.snapshot = core_.image;
        core_.document.DataFilePath = QStringLiteral("/data/radio.dat");
        core_.document.hasFile = true;
    }
    AppCore core_;
    test::RecordingWorkspace workspace_;
};

}  // namespace

TEST_F(ModelChangeTest, NewBandRebuildsTheDefaultImageAsAnUnnamedUnchangedDocument)
{
    core_.image.setModelBandCode(0x02);
    RebuildForNewModel(core_, workspace_);
    EXPECT_EQ(core_.image, DefaultFor(0x02, 0xF8));
    EXPECT_EQ(core_.document.snapshot, core_.image);
    EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
    EXPECT_FALSE(core_.document.hasFile);
    EXPECT_EQ(core_.BandLowerMHz, 136);
    EXPECT_EQ(core_.BandUpperMHz, 150);
    EXPECT_EQ(workspace_.calls,
              QStringList({"CloseEditorWindows", "RestoreChannelWindow", "LayoutChannelGrid(16)", "DecodeAllChannels"}));
}

TEST_F(ModelChangeTest, ClosedChannelListIsShownBeforeItIsRestored)
{
    core_.windowSlots.setOpen(ChannelFormOpen, false);
    core_.image.setModelBandCode(0x01);
    core_.image.setModelVariant(0xF9);
    RebuildForNewModel(core_, workspace_);
    EXPECT_TRUE(core_.EightChannelModel);
    EXPECT_EQ(workspace_.calls, QStringList({"CloseEditorWindows", "ShowChannelWindow", "RestoreChannelWindow",
                                            "LayoutChannelGrid(8)", "DecodeAllChannels"}));
}

TEST_F(ModelChangeTest, AfterTheModelDialogTheTitleAndTheChannelSlotAreRenewedInEveryCase)
{
    core_.windowSlots.setSlotVisible(0, false);
    core_.windowSlots.setWindowMenuVisible(false);
    core_.GridChannel = 5;
    AfterModelDialog(core_, workspace_, CurrentModel(core_.image));
    EXPECT_EQ(workspace_.calls, QStringList({"RemakeTitle"}));
    EXPECT_EQ(core_.document.DataFilePath, "/data/radio.dat");
    EXPECT_TRUE(core_.windowSlots.windowMenuVisible());
    EXPECT_TRUE(core_.windowSlots.slot(0).visible);
    EXPECT_FALSE(core_.windowSlots.slot(0).checked);
    EXPECT_EQ(core_.windowSlots.slot(0).caption, " Channel Information [ Channel - 1 ]");
    EXPECT_EQ(core_.GridChannel, 1);

    workspace_.calls.clear();
    const ModelIdent before = CurrentModel(core_.image);
    core_.image.setModelBandCode(0x03);
    AfterModelDialog(core_, workspace_, before);
    EXPECT_EQ(core_.image, DefaultFor(0x03, 0xF8));
    EXPECT_EQ(workspace_.calls, QStringList({"CloseEditorWindows", "RestoreChannelWindow", "LayoutChannelGrid(16)",
                                             "DecodeAllChannels", "RemakeTitle"}));
}

TEST_F(ModelChangeTest, MemoryMapCancelOnlyClosesTheEditorWindows)
{
    const RadioImage before = core_.image;
    core_.BandLowerMHz = 1;
    EXPECT_FALSE(UpdateAfterMemoryMap(core_, workspace_, CurrentModel(core_.image), false));
    EXPECT_EQ(core_.image, before);
    EXPECT_EQ(core_.BandLowerMHz, 1);
    EXPECT_EQ(workspace_.calls, QStringList({"CloseEditorWindows", "RestoreChannelWindow"}));
}

TEST_F(ModelChangeTest, MemoryMapEditsWithoutModelChangeStandAndRefillTheChannelList)
{
    const ModelIdent before = CurrentModel(core_.image);
    core_.image.set(0x200, 0x12);
    const RadioImage edited = core_.image;
    core_.BandLowerMHz = 1;
    core_.BandUpperMHz = 2;
    EXPECT_FALSE(UpdateAfterMemoryMap(core_, workspace_, before, true));
    EXPECT_EQ(core_.image, edited);
    EXPECT_NE(core_.document.snapshot, core_.image);  // the exit offers to save
    EXPECT_EQ(core_.document.DataFilePath, "/data/radio.dat");
    EXPECT_EQ(core_.BandLowerMHz, 450);
    EXPECT_EQ(core_.BandUpperMHz, 490);
    EXPECT_EQ(workspace_.calls, QStringList({"CloseEditorWindows", "RestoreChannelWindow", "DecodeAllChannels"}));
}

TEST_F(ModelChangeTest, MemoryMapModelChangeDropsTheOtherEditsAndLaysTheGridOut)
{
    const ModelIdent before = CurrentModel(core_.image);
    core_.image.set(0x1BE, 0xF9);  // variant only: still a model change
    core_.image.set(0x200, 0x12);
    EXPECT_TRUE(UpdateAfterMemoryMap(core_, workspace_, before, true));
    EXPECT_EQ(core_.image, DefaultFor(0x21, 0xF9));
    EXPECT_EQ(core_.image.at(0x200), 0xFF);
    EXPECT_EQ(core_.document.snapshot, core_.image);
    EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
    EXPECT_TRUE(core_.EightChannelModel);
    EXPECT_EQ(workspace_.calls, QStringList({"CloseEditorWindows", "RestoreChannelWindow", "LayoutChannelGrid(8)",
                                             "DecodeAllChannels", "RemakeTitle"}));
}
