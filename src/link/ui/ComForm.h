#pragma once
// The port dialog: COM1 to COM20 as options in four columns of five, the
// ports the probe could not use disabled, the current port selected even
// when disabled. OK takes the first selected option; Cancel and the close
// box change nothing. Each option's tooltip names the device it stands for.
#include <array>

#include <QDialog>

#include "link/PortProbe.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace zx {

class ComForm : public QDialog {
    Q_OBJECT
public:
    // Enables the options of the ports the finished probe could use.
    ComForm(const PortProbe& probe, int currentPort, QWidget* parent = nullptr);

    // The port of the first selected option (1..20); 0 when none is.
    int ChosenPort() const;

    QGroupBox* frmPort = nullptr;
    std::array<QRadioButton*, PortProbe::kPortCount> optPort{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;

private:
    QButtonGroup* group_ = nullptr;
};

}  // namespace zx
