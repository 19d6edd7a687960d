#pragma once
// The channel list window: every channel of the image as one row of a grid,
// edited in place, with the free channel memory below it. It is loaded at
// start-up, owns Window-menu slot 0 and stays loaded until the program
// exits; closing it only hides it.
//
// The grid's cell (r, c) is channel r, setting column c (1..9); row 0 holds
// the column titles and the corner title, column 0 the channel numbers.
#include <functional>
#include <array>

#include <QString>
#include <QStringList>

#include "channels/ChannelGridLayout.h"
#include "channels/ui/ChannelEditor.h"
#include "core/ChannelRegisters.h"
#include "core/ui/EditorWindowFrame.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QLineEdit;
class QComboBox;
class QKeyEvent;

namespace zx {

class CellListBox;
class CellTextBox;
class ChannelGridTable;

class ChannelForm : public EditorWindowFrame {
    Q_OBJECT
public:
    // Slot 0, 6500 x 12000 twips, help page "chinfo", help id 4100.
    static EditorWindowSetup Setup();

    explicit ChannelForm(QWidget* parent = nullptr);
    // The one place the channel editor plugs in: `loadEditor` returns the
    // editor, loading it when it is not loaded. Without it the list works
    // with no editor.
    using EditorLoader = std::function<ChannelEditor*()>;
    void setChannelEditor(EditorLoader loadEditor) { loadEditor_ = std::move(loadEditor); }

    // Sizes the grid for 8 or 16 channels (EightChannelModel as it stands),
    // writes the caller's header texts, the row labels and the column widths.
    void LayoutChannelGrid(GridHeaderCaller caller);
    // The language switch: the header texts and the column widths only.
    void ApplyGridHeader(GridHeaderCaller caller);
    // The same with given texts of header cells (0, 0)..(0, 9) and column
    // widths in twips; the row labels, row count and grid size stay.
    void SetGridHeader(const std::array<QString, kChannelGridColumns>& titles,
                       const std::array<int, kChannelGridColumns>& widthsTwips);
    // The grid's width in twips (the base of the column widths).
    int GridWidthTwips() const { return kChannelGridWidthTwips; }
    // The tone lists of the decode and encode cells, built again so that
    // their None entry is the word of the language now in force.
    void RebuildToneLists();
    // Fills rows 1..8 or 1..16 and the free area from the image (and lays the
    // grid out again after a completed transfer). Nothing else of the window
    // changes.
    void DecodeAllChannels();
    // Empties the channel's row and the current-channel column texts and
    // fills its record with FF; its scan-add bit stays.
    void ClearChannelData(int channel);
    // Hides the in-place editors, CurrentChannel = 1 and the whole free area.
    void ResetChannelList();
    // Hides the in-place editors without committing anything; the row of a
    // dropped edit shows what the image holds again.
    void HideCellEditors();
    // The window's caption and slot 0's caption for a channel.
    void SetChannelCaption(int channel);
    // Captions of the buttons and the free-area title in the current language.
    void SetControlCaptions();
    // The language switch: the header row, the caption for channel 1, the
    // buttons, the setting words of the rows and the tone lists in the
    // language now in force.
    void ApplyLanguage();
    // Column 9 of every programmed row from its record's PTT ID byte, read
    // under the PTT ID type in force (after a change of the type, whether or
    // not the window is shown).
    void RefreshPttIdColumn();
    // Recounts the free channel memory from the RX column.
    void UpdateFreeArea();
    // The Channel Edit button.
    void cmdChannelEdit_Click();

    QTableWidget* ChannelGrid() const;
    QLineEdit* txtInputBox() const;
    QComboBox* comInputStep() const;
    QPushButton* cmdChannelEdit() const { return cmdChannelEdit_; }
    QLabel* LabFreeArea() const { return LabFreeArea_; }
    QLabel* LabBlankChannel() const { return LabBlankChannel_; }

    int GridColumn() const { return gridColumn_; }
    const QString& CellTextBefore() const { return cellTextBefore_; }
    int ColumnWidthTwips(int column) const { return columnWidthsTwips_.at(static_cast<std::size_t>(column)); }
    // The number of the last channel row (8 or 16 by the layout).
    int LastChannel() const;

    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);
    ChannelColumns RowTexts(int channel) const;
    void WriteRow(int channel, const ChannelColumns& texts);

protected:
    void cmdClose_Click() override;
    void Form_Unload() override;
    // The in-place editor shown commits and hides, as when it loses the focus.
    void CommitFieldBeingEdited() override;
    void closeEvent(QCloseEvent* event) override;
    QWidget* FirstField() const override;

private:
    // The editor while it is open (ChannelEditFormOpen), else nullptr.
    ChannelEditor* OpenEditor() const;
    void HideForClosing();
    // The list and its editor marked closed, the list's Window-menu slot
    // freed (and the Window menu hidden when no editor is left open).
    void MarkListAndEditorClosed();

    // The grid.
    void ChannelGrid_EnterCell(int row, int column);
    void ChannelGrid_Click(int row, int column);
    bool ChannelGrid_KeyDown(QKeyEvent* event);
    void ChannelGrid_Scroll();
    void RedirectColumn();
    void MoveTo(int row, int column);
    void MoveRight(int steps);

    // The in-place editors.
    void BeginCellEdit();
    void LoadChannelRow(int row);
    void PlaceEditor(QWidget* editor, bool takeHeight);
    void txtInputBox_Change(const QString& text);
    // An in-place editor that loses the focus commits and hides.
    void CommitOnFocusLoss(QWidget* editor, const std::function<void()>& validate);
    void txtInputBox_Validate();
    void EndTextEdit(bool restore);
    void comInputStep_Click();
    void comInputStep_Validate();
    void EndListEdit();
    void WriteCurrentRow();
    void ShowRangeMessage();

    EditorLoader loadEditor_;
    ChannelGridTable* grid_ = nullptr;
    CellTextBox* txtInputBox_ = nullptr;
    CellListBox* comInputStep_ = nullptr;
    QPushButton* cmdChannelEdit_ = nullptr;
    QLabel* LabFreeArea_ = nullptr;
    QLabel* LabBlankChannel_ = nullptr;

    std::array<int, kChannelGridColumns> columnWidthsTwips_{};
    QStringList QtDqtList_;
    QStringList QtDqtList2_;
    int gridColumn_ = 1;
    QString cellTextBefore_;
    // Set while an editor is being closed by the window itself, so that its
    // loss of focus does not run the closing a second time.
    bool endingEdit_ = false;
    bool committing_ = false;
};

}  // namespace zx
