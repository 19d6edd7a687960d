#pragma once
// The memory map: the whole image as a grid of hexadecimal bytes, 16 to a
// row, each editable in place. OK writes all 1024 bytes back; Cancel drops
// the edits.
#include <QDialog>

#include "core/RadioImage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zx {

class Workspace;

class CPUForm : public QDialog {
    Q_OBJECT
public:
    explicit CPUForm(QWidget* parent = nullptr);

    QTableWidget* msgMemory() const { return msgMemory_; }
    QLabel* lblAddr() const { return lblAddr_; }
    QLineEdit* txtMemory() const { return txtMemory_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

    // Cells by grid row 1-64 and column 1-16 (row 0 and column 0 are the
    // address labels).
    QString cellText(int row, int column) const;
    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);

    // Opens the cell editor over (row, column), its whole text selected.
    void ShowCellEditor(int row, int column);

    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void msgMemory_EnterCell();
    bool msgMemory_KeyDown(QKeyEvent* event);
    bool txtMemory_KeyPress(QKeyEvent* event);
    void CommitEditor();
    void CloseEditor(bool commit);
    void SetColumnWidths();

    QTableWidget* msgMemory_ = nullptr;
    QLabel* lblAddr_ = nullptr;
    QLineEdit* txtMemory_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QString MemoryCellBefore_;
    int editRow_ = 0;     // the cell the editor was opened on
    int editColumn_ = 0;
    bool closingEditor_ = false;
};

// Shows the memory map modal, then closes the editor windows; an OK that
// changed the band code or variant rebuilds the image for the new model.
void MnuProgramMemoryMap_Click(Workspace& workspace);

}  // namespace zx
