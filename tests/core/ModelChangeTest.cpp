// What follows a change of model by the model dialog or the memory map.
#include <gtest/gtest.h>

#include "HookRecorder.h"
#include "core/AppCore.h"
#include "core/ModelChange.h"
#include "core/ModelRules.h"
#include "common/ImageFixtures.h"

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
    test::HookRecorder recorder_;
};

}  // namespace

TEST_F(ModelChangeTest, NewBandRebuildsTheDefaultImageAsAnUnnamedUnchangedDocument)
{
    core_.image.setModelBandCode(0x02);
    RebuildForNewModel(core_, recorder_.hooks());
    EXPECT_EQ(core_.image, DefaultFor(0x02, 0xF8));
    EXPECT_EQ(core_.document.snapshot, core_.image);
    EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
    EXPECT_FALSE(core_.document.hasFile);
    EXPECT_EQ(core_.BandLowerMHz, 136);
    EXPECT_EQ(core_.BandUpperMHz, 150);
    EXPECT_EQ(recorder_.calls,
              QStringList({"closeEditorWindows", "restoreChannelWindow", "layoutChannelGrid(16)", "decodeAllChannels"}));
}

TEST_F(ModelChangeTest, ClosedChannelListIsShownBeforeItIsRestored)
{
    core_.windowSlots.setOpen(ChannelFormOpen, false);
    core_.image.setModelBandCode(0x01);
    core_.image.setModelVariant(0xF9);
    RebuildForNewModel(core_, recorder_.hooks());
    EXPECT_TRUE(core_.EightChannelModel);
    EXPECT_EQ(recorder_.calls, QStringList({"closeEditorWindows", "showChannelWindow", "restoreChannelWindow",
                                            "layoutChannelGrid(8)", "decodeAllChannels"}));
}

TEST_F(ModelChangeTest, EmptyHooksAreSkipped)
{
    core_.image.setModelBandCode(0x03);
    RebuildForNewModel(core_, CoreWindowHooks{});
    EXPECT_EQ(core_.image, DefaultFor(0x03, 0xF8));
}

TEST_F(ModelChangeTest, MemoryMapCancelOnlyClosesTheEditorWindows)
{
    const RadioImage before = core_.image;
    core_.BandLowerMHz = 1;
    EXPECT_FALSE(UpdateAfterMemoryMap(core_, recorder_.hooks(), CurrentModel(core_.image), false));
    EXPECT_EQ(core_.image, before);
    EXPECT_EQ(core_.BandLowerMHz, 1);
    EXPECT_EQ(recorder_.calls, QStringList({"closeEditorWindows", "restoreChannelWindow"}));
}

TEST_F(ModelChangeTest, MemoryMapEditsWithoutModelChangeStandAndRefillTheChannelList)
{
    const ModelIdent before = CurrentModel(core_.image);
    core_.image.set(0x200, 0x12);
    const RadioImage edited = core_.image;
    core_.BandLowerMHz = 1;
    core_.BandUpperMHz = 2;
    EXPECT_FALSE(UpdateAfterMemoryMap(core_, recorder_.hooks(), before, true));
    EXPECT_EQ(core_.image, edited);
    EXPECT_NE(core_.document.snapshot, core_.image);  // the exit offers to save
    EXPECT_EQ(core_.document.DataFilePath, "/data/radio.dat");
    EXPECT_EQ(core_.BandLowerMHz, 450);
    EXPECT_EQ(core_.BandUpperMHz, 490);
    EXPECT_EQ(recorder_.calls, QStringList({"closeEditorWindows", "restoreChannelWindow", "decodeAllChannels"}));
}

TEST_F(ModelChangeTest, MemoryMapModelChangeDropsTheOtherEditsAndLaysTheGridOut)
{
    const ModelIdent before = CurrentModel(core_.image);
    core_.image.set(0x1BE, 0xF9);  // variant only: still a model change
    core_.image.set(0x200, 0x12);
    EXPECT_TRUE(UpdateAfterMemoryMap(core_, recorder_.hooks(), before, true));
    EXPECT_EQ(core_.image, DefaultFor(0x21, 0xF9));
    EXPECT_EQ(core_.image.at(0x200), 0xFF);
    EXPECT_EQ(core_.document.snapshot, core_.image);
    EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
    EXPECT_TRUE(core_.EightChannelModel);
    EXPECT_EQ(recorder_.calls, QStringList({"closeEditorWindows", "restoreChannelWindow", "layoutChannelGrid(8)",
                                            "decodeAllChannels"}));
}
