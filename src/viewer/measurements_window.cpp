#include "viewer/measurements_window.h"

#include "widgets/look_and_feel.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orvant {

MeasurementsWindow::MeasurementsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , capture_(new QLabel(this))
    , rows_(new QFormLayout)
{
    setObjectName(QStringLiteral("measurements"));
    setWindowTitle(QStringLiteral("Measurements"));
    setFont(courierNew(FontSize::Pt9_75, false));
    capture_->setFont(courierNew(FontSize::Pt9_75));
    capture_->setAccessibleName(QStringLiteral("Capture"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(capture_);
    layout->addLayout(rows_);
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
}

} // namespace orvant
