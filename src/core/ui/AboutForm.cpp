#include "core/ui/AboutForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppCore.h"
#include "core/ui/AppIcons.h"

namespace zx {

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    const bool zh = Core().LanguageChinese;
    setWindowTitle(zh ? QStringLiteral("关于 ZX-4100") : QStringLiteral("About ZX-4100"));
    setWindowIcon(WindowIcon());

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setPixmap(WindowIcon().pixmap(48, 48));

    lblAbout_ = new QLabel(this);
    lblAbout_->setObjectName(QStringLiteral("LblAbout"));
    lblAbout_->setText(QStringLiteral("ZX-4100\n%1 %2").arg(zh ? QStringLiteral("版本") : QStringLiteral("Version"),
                                                         QStringLiteral(ZX_VERSION)));

    cmdClose_ = new QPushButton(QStringLiteral("确定(&O)"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setDefault(true);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::close);

    auto* top = new QHBoxLayout;
    top->addWidget(picture_, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addWidget(lblAbout_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cmdClose_, 0, Qt::AlignRight);
}

}  // namespace zx
