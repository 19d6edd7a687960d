#pragma once
// The optional features window opened from the real main window's Edit menu,
// with the channel list open beside it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "channels/ui/ChannelForm.h"
#include "core/ImageLayout.h"
#include "settings/ui/OptionalForm.h"
#include "settings/ui/PttIdGroup.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"
#include "settings/SettingsWindowFixture.h"

namespace zx::test {

class OptionalFormTest : public SettingsWindowTest {
protected:
    // Edit > Optional Features.
    OptionalForm* Open()
    {
        form = OpenFromEditMenu<OptionalForm>("MnuEditOptionalFeatures", 1);
        return form;
    }
    QString Cell(int row, int column) { return List().CellText(row, column); }
    // Writes a channel record ("00 25 ..." hex); Decode() shows it in the list.
    void Program(int channel, const char* hex) { WriteChannel(channel, hex); }
    void Decode() { List().DecodeAllChannels(); }

    QLineEdit* Code(int i) const { return form->fraPTTID()->txtPTTCode(i); }
    QComboBox* Type() const { return form->fraPTTID()->cboPTTIDType(); }
    QComboBox* Timing() const { return form->fraPTTID()->cboPTTID(); }
    PreWriteChecks& Checks() { return core.checks; }

    OptionalForm* form = nullptr;
};

}  // namespace zx::test
