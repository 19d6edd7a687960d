// Program > Write through the real main window while the radio's adapter is
// pulled out: the message says whether the radio's memory was touched.
#include <gtest/gtest.h>

#include <QPointer>

#include "common/Patience.h"
#include "link/ExchangeLock.h"
#include "link/MainWindowOnSimulator.h"
#include "link/TransferToTheEnd.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/TransferCommands.h"

namespace zx::test {
namespace {

constexpr int kComPort = 4;
using Kind = RadioModel::Command::Kind;

class WriteLossThroughMainWindow : public MainWindowOnSimulator {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ShowMainWindow(kComPort));
        sim_.radio.FillPattern();
        sim_.radio.identBand = core_.image.modelBandCode();
        sim_.radio.identVariant = core_.image.modelVariant();
        memoryBefore_ = sim_.radio.memory;
        previousRunner_ = SetConnectFormRunner([this](ConnectForm& form) {
            form_ = &form;
            OkToTheEnd()(form);
        });
    }
    void TearDown() override
    {
        SetConnectFormRunner(previousRunner_);
        main_.reset();
        EXPECT_FALSE(ExchangeRunning());
    }

    QString Lost(const QString& what) const
    {
        return "COM4 (" + sim_.slavePath() + ") was disconnected: " + what;
    }
    const QString kNotStarted = Lost("the write did not start. No data was written to the radio; its memory is unchanged.");
    const QString kStopped = Lost("the write was stopped. Nothing more was sent to the radio; it may hold part of the "
                                  "new data, so write again once it is connected.");

    QPointer<ConnectForm> form_;
    decltype(sim_.radio.memory) memoryBefore_;
    ConnectFormRunner previousRunner_;
};

// The radio answers another model; the adapter is pulled out while the
// question is up, and the user then answers it either way.
class LossUnderTheModelQuestion : public WriteLossThroughMainWindow,
                                  public ::testing::WithParamInterface<MsgResult> {};

TEST_P(LossUnderTheModelQuestion, SaysTheWriteDidNotStartAndTheRadioIsUnchanged)
{
    sim_.radio.identBand = static_cast<std::uint8_t>(core_.image.modelBandCode() + 1);
    bool lossSeen = false;
    prompts_.answerAfter(GetParam(), [this, &lossSeen] {
        sim_.HangUp();
        lossSeen = WaitUntil([this] { return form_ && !form_->link().port().isOpen(); });
    });
    main_->action("MnuProgramWrite")->trigger();

    ASSERT_TRUE(lossSeen);
    ASSERT_EQ(prompts_.messages().size(), 2u);
    EXPECT_EQ(prompts_.messages()[0].text, "Model type is wrong.Overwrite?");
    EXPECT_EQ(prompts_.messages()[1].text, kNotStarted);
    EXPECT_EQ(sim_.radio.count(Kind::Write), 0);
    EXPECT_EQ(sim_.radio.memory, memoryBefore_);
    EXPECT_TRUE(main_->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Answers, LossUnderTheModelQuestion, ::testing::Values(MsgResult::Ok, MsgResult::Cancel),
                         [](const auto& info) { return info.param == MsgResult::Ok ? "Overwrite" : "Refuse"; });

// The radio is the image's model; the adapter goes as the radio takes in a
// given command, before it answers.
struct LossAtCommand {
    const char* name;
    int command;  // 1 the wake-up, 2 the identification, 3 its acknowledgement, 4 the first packet
    int packets;  // data packets the radio took in
};

class LossDuringTheWrite : public WriteLossThroughMainWindow, public ::testing::WithParamInterface<LossAtCommand> {};

TEST_P(LossDuringTheWrite, SaysWhatTheRadioMayHold)
{
    sim_.hangUpAtCommand = GetParam().command;
    main_->action("MnuProgramWrite")->trigger();

    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, GetParam().packets > 0 ? kStopped : kNotStarted);
    EXPECT_EQ(sim_.radio.count(Kind::Write), GetParam().packets);
    EXPECT_TRUE(main_->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Stages, LossDuringTheWrite,
                         ::testing::Values(LossAtCommand{"AtTheWakeUp", 1, 0},
                                           LossAtCommand{"AtTheConfirmation", 3, 0},
                                           LossAtCommand{"AtTheFirstPacket", 4, 1},
                                           LossAtCommand{"AtTheTenthPacket", 13, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zx::test
