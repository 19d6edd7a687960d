#pragma once
// The FleetSync window: the radio's own FleetSync settings on one page and
// the eight-entry fleet list on the other. Every field reads its bytes when
// the window loads and writes them when it is committed; stepping an empty
// own fleet or own ID fills the other half of the pair at once.
#include <array>

#include <QString>

#include "signalling/FleetSyncRules.h"
#include "signalling/ui/CellGridWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zx {

class FixedCellGrid;
class SpinField;

class FleetsyncForm : public CellGridWindow {
    Q_OBJECT
public:
    // Slot 5, 6750 x 5320 twips, caption 1045, page "fleetsync", help id 4600.
    static EditorWindowSetup Setup();

    explicit FleetsyncForm(QWidget* parent = nullptr);

    SpinField* field(FleetSyncNumber f) const { return fields_.at(static_cast<std::size_t>(f)); }
    QLineEdit* box(FleetSyncNumber f) const;
    QComboBox* cboBaudRate() const { return cboBaudRate_; }
    QCheckBox* chkSideTone() const { return chkSideTone_; }
    FixedCellGrid* msgFleetList() const { return cellGrid(); }
    QLineEdit* txtFleetList() const;

protected:
    void CommitCellEdit() override;
    void EndCellEdit(bool escape) override;
    QList<QWidget*> TabOrder() const override;
    void CommitField(QWidget* field, bool quiet) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildOwnPage(QWidget* page);
    void BuildFleetListPage(QWidget* page);
    void SetCaptions();
    void LoadFields();

    // The pair of own fleet and own ID.
    void FillPair(FleetSyncNumber stepped);
    void EmptyPair();
    void CommitBaudRate();
    void CommitSideTone();

    std::array<SpinField*, 4> fields_{};
    std::array<QLabel*, 5> labels_{};
    QComboBox* cboBaudRate_ = nullptr;
    QCheckBox* chkSideTone_ = nullptr;

    // A spin button pressed while its box was empty fills the pair.
    bool pairFillPending_ = false;
};

}  // namespace zx
