#pragma once
// The frame of the DTMF and FleetSync windows: pages on a tab control and
// one grid whose cells are edited in place by a text box laid over the cell.
// Enter, a left click or a character that may start a cell's text opens the
// editor on the grid's current cell; the editor's Enter and Esc end the edit
// (each window decides what that commits and where the grid moves on), and
// leaving the editor for another control commits the cell. Tab keeps to the
// window's own order of the controls shown.
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

#include "core/ui/EditorWindowFrame.h"

class QKeyEvent;
class QTabWidget;

namespace zx {

class CellEditorBox;
class FixedCellGrid;

// Where the grid and its editor go and what they are called.
struct CellGridSetup {
    const char* gridName;
    const char* editorName;
    int helpId;  // of the grid and the editor
    int rows;    // the title row included
    QStringList titles;
    // The character a key typed on the grid opens the editor with; nothing:
    // the key does not open it.
    std::optional<QChar> (*startChar)(QChar typed);
    int leftTwips;
    int topTwips;
    // The columns share the grid's design width by these parts, the
    // number column first.
    int widthTwips;
    QList<int> columnParts;
};

class CellGridWindow : public EditorWindowFrame {
    Q_OBJECT
public:
    QTabWidget* SSTab1() const { return SSTab1_; }

protected:
    explicit CellGridWindow(const EditorWindowSetup& setup, QWidget* parent = nullptr);

    static void SetHelpId(QWidget* w, int id);
    static bool IsEnter(const QKeyEvent* e);

    // The tab control on the panel at its place in twips, with `pages` pages.
    QList<QWidget*> BuildTabs(int helpId, int left, int top, int width, int height, int pages);
    // The grid on `page` and its editor, hooked to this window.
    void BuildCellGrid(QWidget* page, const CellGridSetup& setup);
    FixedCellGrid* cellGrid() const { return grid_; }
    CellEditorBox* cellEditor() const { return editor_; }

    // Opens the editor on the grid's current cell (never a fixed one); a
    // non-empty `typed` replaces the cell's text in the editor.
    void OpenCellEditor(const QString& typed = QString());

    // Commits the editor's text to its cell and the image.
    virtual void CommitCellEdit() = 0;
    // The editor's Enter (false) or Esc (true).
    virtual void EndCellEdit(bool escape) = 0;
    // The controls that take the focus, in tab order; only those on the tab
    // shown and enabled take it.
    virtual QList<QWidget*> TabOrder() const = 0;
    // Commits a field other than the editor and the spin fields; `quiet` is
    // the commit of the close or of a command about to take the image, which
    // never shows a refusal.
    virtual void CommitField(QWidget* field, bool quiet) = 0;

    void CommitFieldBeingEdited() override;
    // The first control of TabOrder() that can take the focus on the page shown.
    QWidget* FirstField() const override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The cell being edited and its text before the edit.
    int editRow_ = 1;
    int editColumn_ = 1;
    QString editOldText_;
    // Set while an edit ends, so the editor's losing the focus commits nothing.
    bool endingEdit_ = false;

private:
    bool CellGridKeyDown(QKeyEvent* event);

    QTabWidget* SSTab1_ = nullptr;
    std::optional<QChar> (*startChar_)(QChar typed) = nullptr;
    FixedCellGrid* grid_ = nullptr;
    CellEditorBox* editor_ = nullptr;
};

}  // namespace zx
