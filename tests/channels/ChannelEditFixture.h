#pragma once
// The channel editor as a user reaches it: the real main window with its
// channel list, the editor opened by the list's Channel Edit button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "ChannelTestSupport.h"
#include "core/ChannelRecord.h"
#include "channels/ui/ChannelEditForm.h"
#include "channels/ui/ChannelForm.h"
#include "common/MainWindowShown.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "app/MDIForm1.h"
#include "platform/SettingsStore.h"

namespace zx::test {

// RX 146.12500 only, decode and encode None, signalling None.
inline const char* const kPlainRx = "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8";
// RX and TX 146.12500, decode and encode 67.0, High, Wide.
inline const char* const kToneRxTx = "00 25 61 14 00 25 61 14 9E 02 9E 02 00 BF B0 F8";

class ChannelEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowFreshMainWindow(main, 1200, 900, Activate::Yes));
    }

    // Starts over on the default image of a model (band code, variant).
    void UseModel(std::uint8_t band, std::uint8_t variant = 0xF8)
    {
        core.image.setModelBandCode(band);
        core.image.setModelVariant(variant);
        core.ApplyEightChannelRule();
        core.InitAllFrameData();
        List().LayoutChannelGrid(GridHeaderCaller::FileOpen);
        List().DecodeAllChannels();
    }
    void Program(int channel, const char* hex)
    {
        WriteChannelRecord(core.image, channel, Record(hex));
        List().DecodeAllChannels();
    }

    ChannelForm& List() { return *main->channelForm(); }
    QString Cell(int row, int column) { return List().CellText(row, column); }
    QStringList Row(int row)
    {
        QStringList texts;
        for (int c = 1; c <= 9; ++c)
            texts << Cell(row, c);
        return texts;
    }
    QByteArray RecordHex(int channel) const { return Hex(ReadChannelRecord(core.image, channel)); }
    std::uint8_t Byte(int channel, int offset) const { return core.image.at(channel * 16 + offset); }

    // The grid's cursor on channel `channel`, then Channel Edit.
    ChannelEditForm* OpenEditor(int channel)
    {
        // A cell entry of the channel's row (the list's current channel).
        List().ChannelGrid()->setCurrentCell(channel == 1 ? 2 : 1, 1);
        List().ChannelGrid()->setCurrentCell(channel, 1);
        QTest::mouseClick(List().cmdChannelEdit(), Qt::LeftButton);
        editor = qobject_cast<ChannelEditForm*>(main->windows().window(8));
        return editor;
    }

    // Focus into a field of the editor, as a click or Tab would put it.
    void FocusField(QWidget* field)
    {
        field->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    // Text typed into the focused field, one key at a time.
    void Type(QWidget* field, const QString& text) { QTest::keyClicks(field, text); }
    // Focus into a field with its whole text selected, so that typing or
    // Delete replaces it.
    void SelectField(QLineEdit* field)
    {
        FocusField(field);
        field->selectAll();
    }
    // Text typed over the whole text of a field.
    void TypeOver(QLineEdit* field, const QString& text)
    {
        SelectField(field);
        Type(field, text);
    }
    void TypeOver(QComboBox* box, const QString& text)
    {
        FocusField(box);
        box->lineEdit()->selectAll();
        Type(box, text);
    }
    void Key(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(field, key, modifiers);
    }
    // The focus leaves for the Close button's neighbour: a field that does
    // nothing on entry (the channel box).
    void Leave()
    {
        editor->txtChannel()->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    // A user's pick of entry `text` in a drop-down list.
    void Pick(QComboBox* box, const QString& text)
    {
        const int position = box->findText(text);
        ASSERT_GE(position, 0) << text.toStdString();
        box->setCurrentIndex(position);
        emit box->activated(position);
    }
    bool BaseIsButtonFace(QWidget* w) const
    {
        return w->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Active, QPalette::Button);
    }

    AppCore core;
    ScriptedPrompts prompts;
    std::unique_ptr<MDIForm1> main;
    ChannelEditForm* editor = nullptr;
};

}  // namespace zx::test
