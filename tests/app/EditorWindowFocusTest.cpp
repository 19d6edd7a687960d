// Every editor window opens with the keyboard focus on the first field of
// its tab order, so that what the user types goes into the window, not onto
// its Close button.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "app/MDIForm1.h"
#include "channels/ui/ChannelForm.h"
#include "common/MainWindowShown.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ui/EditorWindowFrame.h"

namespace zx::test {
namespace {

struct OpeningCase {
    const char* name;
    const char* menuItem;    // Edit menu item; nullptr: the channel list's Channel Edit button
    const char* firstField;  // object name of the control that must hold the focus
};
void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }

class EditorWindowFocus : public ::testing::TestWithParam<OpeningCase> {
protected:
    void SetUp() override { ASSERT_TRUE(ShowFreshMainWindow(main_, 1200, 900, Activate::Yes)); }

    void Open(const OpeningCase& c)
    {
        if (c.menuItem)
            main_->action(QString::fromLatin1(c.menuItem))->trigger();
        else
            QTest::mouseClick(main_->channelForm()->cmdChannelEdit(), Qt::LeftButton);
        QApplication::processEvents();
    }
    QString Focused() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }
    // The focused control lies in the window that has just been made active.
    bool FocusInActiveWindow() const
    {
        const QMdiSubWindow* active = main_->mdiArea()->activeSubWindow();
        return active && active->isAncestorOf(QApplication::focusWidget());
    }

    AppCore core_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> main_;
};

TEST_P(EditorWindowFocus, OpensOnItsFirstFieldAndAgainAfterClose)
{
    const OpeningCase& c = GetParam();
    // The channel list is open from the start: it too is closed and opened
    // again as a user would.
    if (c.menuItem && QByteArray(c.menuItem) == "MnuEditChannelInformation")
        QTest::mouseClick(main_->channelForm()->cmdClose(), Qt::LeftButton);
    for (int opening = 1; opening <= 2; ++opening) {
        Open(c);
        EXPECT_EQ(Focused(), QString::fromLatin1(c.firstField)) << "opening " << opening;
        EXPECT_TRUE(FocusInActiveWindow()) << "opening " << opening;
        // Closed with its own Close button, then opened once more.
        auto* active = qobject_cast<EditorWindowFrame*>(main_->mdiArea()->activeSubWindow());
        ASSERT_NE(active, nullptr);
        active->cmdClose()->click();
        QApplication::processEvents();
    }
}

INSTANTIATE_TEST_SUITE_P(
    EditMenu, EditorWindowFocus,
    ::testing::Values(OpeningCase{"ChannelList", "MnuEditChannelInformation", "ChannelGrid"},
                      OpeningCase{"ChannelEditor", nullptr, "txtChannel"},
                      OpeningCase{"OptionalFeatures", "MnuEditOptionalFeatures", "txtTOT"},
                      OpeningCase{"KeyAssignment", "MnuEditKeyAssignment", "cboKey0"},
                      OpeningCase{"ScanInformation", "MnuEditScanInformation", "cboPriority"},
                      OpeningCase{"Dtmf", "MnuEditDTMF", "txtDTMFSpeed"},
                      OpeningCase{"FleetSync", "MnuEditFleetSync", "txtFleet"},
                      OpeningCase{"TestFrequency", "MnuEditTestFrequency", "msgTestFreq"},
                      OpeningCase{"EmbeddedMessage", "MnuEditEmbeddedMessage", "txtMsg0"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zx::test
