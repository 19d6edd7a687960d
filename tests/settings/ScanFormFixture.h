#pragma once
// The scan information window opened from the real main window's Edit menu,
// with the channel list open beside it and, where a test needs it, the
// channel editor opened from the list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "channels/ui/ChannelEditForm.h"
#include "channels/ui/ChannelForm.h"
#include "core/ImageLayout.h"
#include "settings/ui/ScanForm.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"
#include "settings/SettingsWindowFixture.h"

namespace zx::test {

// RX 146.12500 only: a programmed channel.
inline const char* const kScanPlainRx = "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8";

class ScanFormTest : public SettingsWindowTest {
protected:
    // Edit > Scan Information.
    ScanForm* Open()
    {
        form = OpenFromEditMenu<ScanForm>("MnuEditScanInformation", 3);
        return form;
    }
    // Writes a channel record ("00 25 ..." hex) and shows it in the list.
    void Program(int channel, const char* hex = kScanPlainRx)
    {
        WriteChannel(channel, hex);
        List().DecodeAllChannels();
    }
    // Writes scan bytes from 0x160 ("01 FF ..." hex).
    void StoreScan(const char* hex)
    {
        core.image.write(layout::ScanInfo, QByteArray::fromHex(QByteArray(hex).replace(' ', "")));
    }
    // The channel list's cursor on `channel`, then its Channel Edit button.
    ChannelEditForm* OpenEditor(int channel)
    {
        List().ChannelGrid()->setCurrentCell(channel == 1 ? 2 : 1, 1);
        List().ChannelGrid()->setCurrentCell(channel, 1);
        QTest::mouseClick(List().cmdChannelEdit(), Qt::LeftButton);
        editor = qobject_cast<ChannelEditForm*>(main->windows().window(8));
        return editor;
    }
    // Brings the scan window to the front, as a click on it would.
    void Activate() { main->mdiArea()->setActiveSubWindow(form); }

    // A choice, then the list left with Tab (committed).
    void ChooseAndLeave(QComboBox* list, int position)
    {
        Choose(list, position);
        Tab();
    }
    QStringList Items(QComboBox* list) const
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }

    QLineEdit* Priority() const { return form->txtPriorityCH(); }
    QComboBox* Mode() const { return form->cboPriority(); }
    QComboBox* Revert() const { return form->cboRevertCH(); }
    bool Error() const { return core.checks.PriorityChannelError; }

    ScanForm* form = nullptr;
    ChannelEditForm* editor = nullptr;
};

}  // namespace zx::test
