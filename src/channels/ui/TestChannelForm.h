#pragma once
// The test-frequency list window: the RX and TX frequencies of the radio's
// sixteen test channels in a grid, edited in place with a text box laid
// over the current cell. The rules live in TestFrequencyList; the window
// turns keys and clicks into its calls and shows its texts.
#include <QString>

#include "channels/TestFrequencyList.h"
#include "core/ui/EditorWindowFrame.h"

class QKeyEvent;
class QLineEdit;
class QTableWidget;

namespace zx {

class CellTextBox;
class ChannelGridTable;
class EditorWindowRegistry;

class TestChannelForm : public EditorWindowFrame {
    Q_OBJECT
public:
    // Slot 6, 4215 x 5770 twips, caption 1185, help page "testfreq", id 4700.
    static EditorWindowSetup Setup();

    explicit TestChannelForm(QWidget* parent = nullptr);

    QTableWidget* msgTestFreq() const;
    QLineEdit* txtTestFreq() const;
    const TestFrequencyList& list() const { return list_; }
    bool EditorShown() const;

protected:
    // Commits the cell being edited, warns when the table changed since the
    // window loaded, and unloads the window.
    void cmdClose_Click() override;
    // The close box commits the cell being edited as Close does; an unload
    // by the program commits nothing.
    void closeEvent(QCloseEvent* event) override;
    // The cell editor shown commits and hides, as when it loses the focus.
    void CommitFieldBeingEdited() override;
    QWidget* FirstField() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void ShowCellTexts();

    // The grid.
    void msgTestFreq_MouseUp();
    bool msgTestFreq_KeyPress(QKeyEvent* event);
    void ShowCellEditor(TestFreqCell cell);

    // The editor.
    void txtTestFreq_Change(const QString& text);
    void txtTestFreq_Validate();
    void EnterInEditor();
    void EscInEditor();
    void EditorFocusLost();
    void HideEditor();

    ChannelGridTable* grid_ = nullptr;
    CellTextBox* editor_ = nullptr;
    TestFrequencyList list_;
    TestFreqCell editCell_{1, kTestFreqRxColumn};
    QString oldText_;
    // Set while the window itself hides the editor: the editor's loss of
    // focus then commits nothing.
    bool hidingEditor_ = false;
    bool committing_ = false;
};

// Makes Edit > Test Frequency and the tree view's node open the window.
void AttachTestChannelForm(EditorWindowRegistry& windows);

}  // namespace zx
