#include "viewer/measurements_window.h"

#include "viewer/gate_controls.h"
#include "viewer/pulse_table.h"
#include "widgets/look_and_feel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orvant {

MeasurementsWindow::MeasurementsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , capture_(new QLabel(this))
    , heading_(new QLabel(this))
    , gate_(new QCheckBox(QStringLiteral("Between cursors"), this))
    , rows_(new QFormLayout)
    , pulse_(new PulseTable(this))
{
    setObjectName(QStringLiteral("measurements"));
    setWindowTitle(QStringLiteral("Measurements"));
    setFont(courierNew(FontSize::Pt9_75, false));
    capture_->setFont(courierNew(FontSize::Pt9_75));
    capture_->setAccessibleName(QStringLiteral("Capture"));
    heading_->setObjectName(QStringLiteral("measuredSamples"));
    heading_->hide();
    gate_->setObjectName(QStringLiteral("betweenCursors"));
    gate_->setAccessibleName(QStringLiteral("Between cursors"));
    gate_->hide();
    connect(gate_, &QCheckBox::toggled, this, &MeasurementsWindow::gateToggled);
    connect(pulse_, &PulseTable::figureChosen, this, &MeasurementsWindow::figureChosen);
    auto *values = new QHBoxLayout;
    values->addLayout(rows_);
    values->addWidget(pulse_, 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(capture_);
    layout->addWidget(heading_);
    layout->addWidget(gate_);
    layout->addLayout(values);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MeasurementsWindow::showMeasurements(
    const QString &captureName, const std::vector<std::pair<std::string, std::string>> &texts)
{
    capture_->setText(captureName);
    capture_->setAccessibleName(QStringLiteral("Capture ") + captureName);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString name = QString::fromStdString(texts[i].first);
        const QString value = QString::fromStdString(texts[i].second);
        if (static_cast<int>(i) >= rows_->rowCount()) {
            auto *label = new QLabel(this);
            label->setObjectName(QStringLiteral("measurement(%1)").arg(name));
            rows_->addRow(name, label);
        }
        auto *label = static_cast<QLabel *>(
            rows_->itemAt(static_cast<int>(i), QFormLayout::FieldRole)->widget());
        label->setText(value);
        label->setAccessibleName(name + QLatin1Char(' ') + value);
    }
    // Rows no longer measured (the reference's, once cleared) go.
    while (rows_->rowCount() > static_cast<int>(texts.size()))
        rows_->removeRow(rows_->rowCount() - 1);
}

void MeasurementsWindow::showPulse(const std::vector<PulseText> &texts)
{
    pulse_->showFigures(texts);
}

void MeasurementsWindow::showGate(bool offered, bool on, const QString &heading)
{
    showGateControls(*gate_, *heading_, offered, on, heading);
}

void MeasurementsWindow::hideEvent(QHideEvent *event)
{
    pulse_->clearSelection(); // the marks go with the window
    QWidget::hideEvent(event);
}

} // namespace orvant
