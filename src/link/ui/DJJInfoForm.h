#pragma once
// The radio information dialog: the product name, the band of the loaded
// image, the radio's serial number and the version text. Shown modeless
// after the radio-information exchange while the main window is disabled;
// however it is closed, finished() follows, and the main window is enabled
// again by whoever showed it.
//
// It is a top-level window of its own, not a child of the main window: a
// child window would be disabled with its parent.
#include <QDialog>

#include "core/SharedState.h"

class QLabel;
class QPushButton;

namespace zx {

class DJJInfoForm : public QDialog {
    Q_OBJECT
public:
    // Reads the radio information and the image's band code once, as it
    // loads.
    DJJInfoForm(const RadioInfoBytes& radioInfo, std::uint8_t bandCode);

    QLabel* lblModelType = nullptr;
    QLabel* lblFrequency = nullptr;
    QLabel* lblSerialNum = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* LabModel = nullptr;
    QLabel* LabFreq = nullptr;
    QLabel* LabSN = nullptr;
    QLabel* LabVersion = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdHelp = nullptr;

private:
    void Form_Load(const RadioInfoBytes& radioInfo, std::uint8_t bandCode);
};

}  // namespace zx
