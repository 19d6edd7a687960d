#pragma once
// The optional features window opened from the real main window's Edit menu,
// with the channel list open beside it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "channels/ui/ChannelForm.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "common/UserInput.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "app/MDIForm1.h"
#include "platform/SettingsStore.h"
#include "settings/ui/OptionalForm.h"
#include "settings/ui/PttIdGroup.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"

namespace zx::test {

class OptionalFormTest : public ::testing::Test, protected UserInput {
protected:
    void SetUp() override
    {
        OpenSettings()->clear();
        main = std::make_unique<MDIForm1>();
        main->resize(1280, 960);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        QApplication::setActiveWindow(main.get());
    }

    // Edit > Optional Features.
    OptionalForm* Open()
    {
        main->action("MnuEditOptionalFeatures")->trigger();
        form = qobject_cast<OptionalForm*>(main->windows().window(1));
        return form;
    }
    ChannelForm& List() { return *main->channelForm(); }
    QString Cell(int row, int column) { return List().CellText(row, column); }
    // Writes channel records ("00 25 ..." hex) and shows them in the list.
    void Program(int channel, const char* hex)
    {
        core.image.write(layout::ChannelRecord(channel), QByteArray::fromHex(QByteArray(hex).replace(' ', "")));
    }
    void Decode() { List().DecodeAllChannels(); }

    std::uint8_t Byte(int address) const { return core.image.at(address); }
    QByteArray Bytes(int address, int size) const { return core.image.toByteArray(address, size).toHex(' ').toUpper(); }


    QLineEdit* Code(int i) const { return form->fraPTTID()->txtPTTCode(i); }
    QComboBox* Type() const { return form->fraPTTID()->cboPTTIDType(); }
    QComboBox* Timing() const { return form->fraPTTID()->cboPTTID(); }
    PreWriteChecks& Checks() { return core.checks; }

    AppCore core;
    ScriptedPrompts prompts;
    std::unique_ptr<MDIForm1> main;
    OptionalForm* form = nullptr;
};

}  // namespace zx::test
