#include "testmode/ui/TuningPointsForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/StringTable.h"
#include "testmode/ui/TuningPointTab.h"

namespace zx {

TuningPointsForm::TuningPointsForm(const TuningHandOver& handOver, TuningSetup setup, const char* name)
    : TuningDialogFrame(handOver, std::move(setup), name)
{
    SSTabTune = new QTabWidget(this);
    SSTabTune->setObjectName(QStringLiteral("SSTabTune"));
    // Every point's tab in sight: the window is made wide enough.
    SSTabTune->setUsesScrollButtons(false);
    for (std::size_t k = 0; k < setup_.points.size(); ++k) {
        const TuningPointSetup& point = setup_.points[k];
        auto* page = new TuningPointTab(SSTabTune);
        page->setObjectName(QStringLiteral("Point%1").arg(k));
        page->SetCaptions(LoadLangString(kCaptionRx), LoadLangString(kCaptionTx));
        page->SetFrequencies(point.rxText, point.txText);
        page->ShowValue(point.startValue);
        page->SetTabStop(k == 0);
        SSTabTune->addTab(page, LoadLangString(point.tabCaptionId));
        tabs_.push_back(page);
        const int p = static_cast<int>(k);
        connect(page, &TuningPointTab::Scrolled, this,
                [this, p](int v) { link().SliderScrolled(p, static_cast<std::uint8_t>(v)); });
        connect(page, &TuningPointTab::SliderChanged, this, [this, p](int v) {
            link().SliderValueChanged(p, static_cast<std::uint8_t>(v));
            AfterAction();
        });
        connect(page, &TuningPointTab::BoxChanged, this, [this, p](int v) {
            link().ValueBoxChanged(p, static_cast<std::uint8_t>(v));
            AfterAction();
        });
    }
    SSTabTune->setCurrentIndex(0);
    connect(SSTabTune, &QTabWidget::currentChanged, this, &TuningPointsForm::SSTabTune_Click);

    CmdPtt = new QPushButton(QStringLiteral("PTT"), this);
    CmdPtt->setObjectName(QStringLiteral("CmdPtt"));
    CmdPtt->setAutoDefault(false);
    CmdPtt->setEnabled(setup_.pttEnabled);
    connect(CmdPtt, &QPushButton::clicked, this, [this] {
        link().Ptt();
        AfterAction();
    });
    PicPtt = MakeLamp("PicPtt");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdPtt);
    buttons->addWidget(PicPtt);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(SSTabTune);
    column->addLayout(buttons);
}

void TuningPointsForm::SSTabTune_Click(int point)
{
    if (point < 0)
        return;
    for (std::size_t k = 0; k < tabs_.size(); ++k)
        tabs_[k]->SetTabStop(static_cast<int>(k) == point);
    link().SelectPoint(point);
    AfterAction();
}

void TuningPointsForm::SetControlsEnabled(bool enabled)
{
    SSTabTune->setEnabled(enabled);
    CmdPtt->setEnabled(enabled && setup_.pttEnabled);
    cmdOK->setEnabled(enabled);
    cmdCancel->setEnabled(enabled);
}

void TuningPointsForm::ShowPttLamp(bool on)
{
    SetLamp(PicPtt, on);
}

void TuningPointsForm::ShowPointValue(int point, std::uint8_t value)
{
    if (point >= 0 && point < pointCount())
        tab(point)->ShowValue(value);
}

void TuningPointsForm::ShowMeasuring(bool)
{
    // No measuring loop in these dialogs.
}

}  // namespace zx
