#include "testmode/ui/TunningForm2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppCore.h"
#include "core/StringTable.h"
#include "link/ui/FormLabels.h"
#include "testmode/ui/TestModePictures.h"

namespace zx {

TunningForm2::TunningForm2(const TuningHandOver& handOver)
    : TuningDialogFrame(handOver, MeasuredValueSetup(Core().testMode, Core().image), "TunningForm2")
{
    const TuningPointSetup& point = setup_.points.front();
    lblRx = NamedLabel(this, "lblRx", LoadLangString(kCaptionRx));
    lblTx = NamedLabel(this, "lblTx", LoadLangString(kCaptionTx));
    LabRxFreq = SunkenValue(this, "LabRxFreq", 110, point.rxText);
    LabTxFreq = SunkenValue(this, "LabTxFreq", 110, point.txText);
    txtTuneValue = SunkenValue(this, "txtTuneValue", 48);
    txtTuneValue->setAlignment(Qt::AlignCenter);
    PrgValue = new QProgressBar(this);
    PrgValue->setObjectName(QStringLiteral("PrgValue"));
    PrgValue->setRange(0, 255);
    PrgValue->setTextVisible(false);
    Label6 = NamedLabel(this, "Label6", QStringLiteral("0"));
    Label7 = NamedLabel(this, "Label7", QStringLiteral("255"));
    CmdStart = new QPushButton(LoadLangString(kCaptionStart), this);
    CmdStart->setObjectName(QStringLiteral("CmdStart"));
    CmdStart->setAutoDefault(false);
    PicStart = NamedLabel(this, "PicStart");
    PicStart->setFixedSize(StartMarker().size());
    // Keeps its place in the row while hidden.
    QSizePolicy keep = PicStart->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    PicStart->setSizePolicy(keep);
    PicStart->hide();
    connect(CmdStart, &QPushButton::clicked, this, [this] {
        link().StartStop();
        AfterAction();
    });

    ShowPointValue(0, point.startValue);

    auto* freqs = new QHBoxLayout;
    freqs->addWidget(lblRx);
    freqs->addWidget(LabRxFreq);
    freqs->addSpacing(16);
    freqs->addWidget(lblTx);
    freqs->addWidget(LabTxFreq);
    freqs->addStretch();
    auto* scale = new QGridLayout;
    scale->addWidget(txtTuneValue, 0, 1, Qt::AlignHCenter);
    scale->addWidget(Label6, 1, 0);
    scale->addWidget(PrgValue, 1, 1);
    scale->addWidget(Label7, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdStart);
    buttons->addWidget(PicStart);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* column = new QVBoxLayout(this);
    column->addLayout(freqs);
    column->addLayout(scale);
    column->addStretch();
    column->addLayout(buttons);
    setMinimumWidth(380);
}

void TunningForm2::SetControlsEnabled(bool enabled)
{
    CmdStart->setEnabled(enabled);
    cmdOK->setEnabled(enabled);
    cmdCancel->setEnabled(enabled);
}

void TunningForm2::ShowPttLamp(bool)
{
    // No PTT in this dialog.
}

void TunningForm2::ShowPointValue(int point, std::uint8_t value)
{
    if (point != 0)
        return;
    txtTuneValue->setText(QString::number(value));
    PrgValue->setValue(value);
}

void TunningForm2::ShowMeasuring(bool on)
{
    if (on)
        PicStart->setPixmap(StartMarker());
    PicStart->setVisible(on);
}

}  // namespace zx
