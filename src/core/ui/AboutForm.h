#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace zx {

// The about box: the application icon, the product name and version, and a
// button that closes it. Not modal.
class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);

    QLabel* LblAbout() const { return lblAbout_; }
    QPushButton* cmdClose() const { return cmdClose_; }

private:
    QLabel* picture_ = nullptr;
    QLabel* lblAbout_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace zx
