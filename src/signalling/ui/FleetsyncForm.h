#pragma once
// The FleetSync window: the radio's own FleetSync settings on one page and
// the eight-entry fleet list on the other. Every field reads its bytes when
// the window loads and writes them when it is committed; stepping an empty
// own fleet or own ID fills the other half of the pair at once.
#include <array>

#include <QString>

#include "core/ui/EditorWindowFrame.h"
#include "signalling/FleetSyncRules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace zx {

class CellEditorBox;
class FixedCellGrid;
class SpinField;

class FleetsyncForm : public EditorWindowFrame {
    Q_OBJECT
public:
    // Slot 5, 6750 x 5320 twips, caption 1045, page "fleetsync", help id 4600.
    static EditorWindowSetup Setup();

    explicit FleetsyncForm(QWidget* parent = nullptr);

    QTabWidget* SSTab1() const { return SSTab1_; }
    SpinField* field(FleetSyncNumber f) const { return fields_.at(static_cast<std::size_t>(f)); }
    QLineEdit* box(FleetSyncNumber f) const;
    QComboBox* cboBaudRate() const { return cboBaudRate_; }
    QCheckBox* chkSideTone() const { return chkSideTone_; }
    FixedCellGrid* msgFleetList() const { return msgFleetList_; }
    QLineEdit* txtFleetList() const;

protected:
    void CommitFieldBeingEdited() override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildOwnPage(QWidget* page);
    void BuildFleetListPage(QWidget* page);
    void SetCaptions();
    void LoadFields();
    QList<QWidget*> TabOrder() const;

    // The pair of own fleet and own ID.
    void FillPair(FleetSyncNumber stepped);
    void EmptyPair();
    void CommitBaudRate();
    void CommitSideTone();

    // The fleet list and its editor.
    void OpenFleetListEditor(const QString& typed = QString());
    void CommitFleetListCell();
    void EndFleetListEdit(bool escape);
    bool msgFleetList_KeyDown(QKeyEvent* event);

    QTabWidget* SSTab1_ = nullptr;
    std::array<SpinField*, 4> fields_{};
    std::array<QLabel*, 5> labels_{};
    QComboBox* cboBaudRate_ = nullptr;
    QCheckBox* chkSideTone_ = nullptr;
    FixedCellGrid* msgFleetList_ = nullptr;
    CellEditorBox* txtFleetList_ = nullptr;

    // A spin button pressed while its box was empty fills the pair.
    bool pairFillPending_ = false;
    QString fleetListOldText_;
    int editRow_ = 1;
    int editColumn_ = 1;
    bool endingFleetListEdit_ = false;
};

}  // namespace zx
