#include "testmode/ui/TuningPointTab.h"

#include <algorithm>
#include <cmath>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>

#include "link/ui/FormLabels.h"
#include "settings/ui/UpDownControl.h"
#include "testmode/ui/TuningValueBox.h"

namespace zx {

TuningPointTab::TuningPointTab(QWidget* parent) : QWidget(parent)
{
    Label1 = NamedLabel(this, "Label1");
    Label2 = NamedLabel(this, "Label2");
    LabRxFreq = SunkenValue(this, "LabRxFreq", 110);
    LabTxFreq = SunkenValue(this, "LabTxFreq", 110);
    Label5 = NamedLabel(this, "Label5", QStringLiteral("0"));
    Label6 = NamedLabel(this, "Label6", QStringLiteral("255"));

    SldValue = new QSlider(Qt::Horizontal, this);
    SldValue->setObjectName(QStringLiteral("SldValue"));
    SldValue->setRange(kMinValue, kMaxValue);
    SldValue->setSingleStep(1);
    SldValue->setPageStep(16);
    SldValue->setTickPosition(QSlider::TicksBelow);
    SldValue->setTickInterval(16);
    // The value changes (and goes to the radio) when a drag ends; while it
    // lasts only the box and the bar follow.
    SldValue->setTracking(false);

    PrgValue = new QProgressBar(this);
    PrgValue->setObjectName(QStringLiteral("PrgValue"));
    PrgValue->setRange(kMinValue, kMaxValue);
    PrgValue->setTextVisible(false);

    txtTuneValue = new TuningValueBox(this);
    txtTuneValue->setObjectName(QStringLiteral("txtTuneValue"));
    txtTuneValue->setFixedWidth(48);
    updValue = new UpDownControl(kMinValue, kMaxValue, 1, this);
    updValue->setObjectName(QStringLiteral("updValue"));
    updValue->setFixedHeight(txtTuneValue->sizeHint().height());

    auto* grid = new QGridLayout(this);
    auto* freqs = new QHBoxLayout;
    freqs->addWidget(Label1);
    freqs->addWidget(LabRxFreq);
    freqs->addSpacing(16);
    freqs->addWidget(Label2);
    freqs->addWidget(LabTxFreq);
    freqs->addStretch();
    grid->addLayout(freqs, 0, 0, 1, 3);
    grid->addWidget(Label5, 1, 0);
    grid->addWidget(SldValue, 1, 1);
    grid->addWidget(Label6, 1, 2);
    grid->addWidget(PrgValue, 2, 1);
    auto* box = new QHBoxLayout;
    box->setSpacing(0);
    box->addStretch();
    box->addWidget(txtTuneValue);
    box->addWidget(updValue);
    box->addStretch();
    grid->addLayout(box, 3, 1);
    grid->setRowStretch(4, 1);

    ShowValue(kMinValue);

    connect(SldValue, &QSlider::sliderMoved, this, &TuningPointTab::SldValue_Scroll);
    connect(SldValue, &QSlider::actionTriggered, this,
            [this] { SldValue_Scroll(SldValue->sliderPosition()); });
    connect(SldValue, &QSlider::valueChanged, this, &TuningPointTab::SldValue_Change);
    connect(txtTuneValue, &QLineEdit::textChanged, this, &TuningPointTab::txtTuneValue_Change);
    connect(txtTuneValue, &TuningValueBox::UpKey, this, [this] { StepBox(true); });
    connect(txtTuneValue, &TuningValueBox::DownKey, this, [this] { StepBox(false); });
    connect(updValue, &UpDownControl::UpClick, this, [this] {
        SetBoxText(txtTuneValue->text() == QLatin1String("255") ? kMaxValue : updValue->value());
        txtTuneValue->selectAll();
        txtTuneValue->setFocus();
    });
    connect(updValue, &UpDownControl::DownClick, this, [this] {
        SetBoxText(txtTuneValue->text() == QLatin1String("0") ? kMinValue : updValue->value());
        txtTuneValue->selectAll();
        txtTuneValue->setFocus();
    });
}

int TuningPointTab::value() const
{
    return SldValue->value();
}

void TuningPointTab::ShowValue(int value)
{
    value = std::clamp(value, kMinValue, kMaxValue);
    const bool ready = ControlsReady;
    ControlsReady = false;
    txtTuneValue->setText(QString::number(value));
    SldValue->setValue(value);
    PrgValue->setValue(value);
    updValue->setValue(value);
    ControlsReady = ready;
}

void TuningPointTab::SetCaptions(const QString& rx, const QString& tx)
{
    Label1->setText(rx);
    Label2->setText(tx);
}

void TuningPointTab::SetFrequencies(const QString& rx, const QString& tx)
{
    LabRxFreq->setText(rx);
    LabTxFreq->setText(tx);
}

void TuningPointTab::SetTabStop(bool tabStop)
{
    SldValue->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TuningPointTab::SldValue_Scroll(int position)
{
    if (!ControlsReady)
        return;
    ControlsReady = false;
    txtTuneValue->setText(QString::number(position));
    PrgValue->setValue(position);
    updValue->setValue(position);
    ControlsReady = true;
    emit Scrolled(position);
}

void TuningPointTab::SldValue_Change()
{
    if (!ControlsReady)
        return;
    // A step by key or click has no drag before it: the box follows here.
    SldValue_Scroll(SldValue->value());
    emit SliderChanged(SldValue->value());
}

void TuningPointTab::txtTuneValue_Change()
{
    if (!ControlsReady)
        return;
    bool ok = false;
    const double typed = txtTuneValue->text().toDouble(&ok);
    // Only the tab's own texts get here; anything else is put back.
    if (!ok || typed < kMinValue || typed > kMaxValue) {
        ShowValue(SldValue->value());
        return;
    }
    ControlsReady = false;
    PrgValue->setValue(static_cast<int>(typed));
    const int rounded = static_cast<int>(std::nearbyint(typed));
    SldValue->setValue(rounded);
    updValue->setValue(rounded);
    ControlsReady = true;
    emit BoxChanged(SldValue->value());
}

void TuningPointTab::StepBox(bool up)
{
    const QString shown = txtTuneValue->text();
    int next = 0;
    if (up)
        next = shown == QLatin1String("255") ? kMaxValue : updValue->value() + 1;
    else
        next = shown == QLatin1String("0") ? kMinValue : updValue->value() - 1;
    SetBoxText(std::clamp(next, kMinValue, kMaxValue));
    txtTuneValue->selectAll();
}

void TuningPointTab::SetBoxText(int value)
{
    // Setting the same text raises no change: nothing is sent.
    txtTuneValue->setText(QString::number(value));
}

}  // namespace zx
