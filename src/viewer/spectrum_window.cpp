#include "viewer/spectrum_window.h"

#include "measure/spectrum_graticule.h"
#include "viewer/gate_controls.h"
#include "viewer/spectrum_plot.h"
#include "widgets/look_and_feel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvant {

namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label that says what it shows to a screen reader too, as "SINAD 49.9 dB".
void showNamed(QLabel *label, const QString &name, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(name + QLatin1Char(' ') + text);
}

} // namespace

SpectrumWindow::SpectrumWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , capture_(new QLabel(this))
    , heading_(new QLabel(this))
    , gate_(new QCheckBox(QStringLiteral("Between cursors"), this))
    , window_(new QComboBox(this))
    , scale_(new QComboBox(this))
    , plot_(new SpectrumPlot(this))
    , graticule_(new QLabel(this))
    , readout_(new QLabel(this))
    , figures_(new QFormLayout)
    , save_(new QPushButton(QStringLiteral("Save Spectrum as CSV\u2026"), this))
{
    setObjectName(QStringLiteral("spectrum"));
    setWindowTitle(QStringLiteral("Spectrum"));
    setFont(courierNew(FontSize::Pt9_75, false));
    capture_->setFont(courierNew(FontSize::Pt9_75));
    for (const WindowFunctionInfo &info : windowFunctions())
        window_->addItem(fromView(info.caption));
    window_->setCurrentIndex(static_cast<int>(WindowFunction::Hann));
    window_->setAccessibleName(QStringLiteral("Window"));
    for (const SpectrumScaleInfo &info : spectrumScales())
        scale_->addItem(fromView(info.caption));
    scale_->setAccessibleName(QStringLiteral("Scale"));
    graticule_->setObjectName(QStringLiteral("spectrumGraticule"));
    readout_->setObjectName(QStringLiteral("spectrumReadout"));
    save_->setObjectName(QStringLiteral("saveSpectrum"));
    heading_->setObjectName(QStringLiteral("spectrumSamples"));
    heading_->hide();
    gate_->setObjectName(QStringLiteral("spectrumBetweenCursors"));
    gate_->setAccessibleName(QStringLiteral("Between cursors"));
    gate_->hide();

    auto *choices = new QHBoxLayout;
    auto *windowLabel = new QLabel(QStringLiteral("&Window"), this);
    windowLabel->setBuddy(window_);
    auto *scaleLabel = new QLabel(QStringLiteral("S&cale"), this);
    scaleLabel->setBuddy(scale_);
    choices->addWidget(windowLabel);
    choices->addWidget(window_);
    choices->addWidget(scaleLabel);
    choices->addWidget(scale_);
    choices->addStretch();
    choices->addWidget(save_);

    auto *plotColumn = new QVBoxLayout;
    plotColumn->addWidget(plot_, 1);
    plotColumn->addWidget(graticule_);
    plotColumn->addWidget(readout_);
    auto *body = new QHBoxLayout;
    body->addLayout(plotColumn, 1);
    body->addLayout(figures_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(capture_);
    layout->addWidget(heading_);
    layout->addWidget(gate_);
    layout->addLayout(choices);
    layout->addLayout(body, 1);

    connect(window_, &QComboBox::activated, this, [this](int index) {
        emit windowChosen(windowFunctions()[static_cast<std::size_t>(index)].window);
    });
    connect(scale_, &QComboBox::activated, this, [this](int index) {
        emit scaleChosen(spectrumScales()[static_cast<std::size_t>(index)].scale);
    });
    connect(save_, &QPushButton::clicked, this, &SpectrumWindow::saveRequested);
    connect(gate_, &QCheckBox::toggled, this, &SpectrumWindow::gateToggled);
    connect(plot_, &SpectrumPlot::binPicked, this, &SpectrumWindow::showReadout);
}

void SpectrumWindow::showSpectrum(const QString &captureName, const Spectrum &spectrum,
                                  const std::optional<DistortionAnalysis> &analysis,
                                  SpectrumScale scale)
{
    spectrum_ = spectrum;
    shownScale_ = usableScale(scale, spectrum);
    showNamed(capture_, QStringLiteral("Capture"), captureName);
    window_->setCurrentIndex(static_cast<int>(spectrum.window));
    scale_->setCurrentIndex(static_cast<int>(scale));
    plot_->setSpectrum(spectrum, analysis, shownScale_);
    const LevelSpan span = levelSpan(spectrum, shownScale_);
    showNamed(graticule_, QStringLiteral("Graticule"),
              fromUtf8(graticuleText(spectrum, shownScale_, span)));
    const auto texts = distortionTexts(analysis, spectrum);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString name = fromUtf8(texts[i].first);
        if (static_cast<int>(i) >= figures_->rowCount()) {
            auto *label = new QLabel(this);
            label->setObjectName(QStringLiteral("figure(%1)").arg(name));
            figures_->addRow(name, label);
        }
        auto *label = static_cast<QLabel *>(
            figures_->itemAt(static_cast<int>(i), QFormLayout::FieldRole)->widget());
        showNamed(label, name, fromUtf8(texts[i].second));
    }
    QString description = QStringLiteral("%1 spectrum, %2 bins")
                              .arg(fromView(infoOf(spectrum.window).caption))
                              .arg(kSpectrumBins);
    if (analysis)
        description += QStringLiteral(", fundamental %1 with %2 harmonics marked")
                           .arg(fromUtf8(frequencyText(analysis->fundamental.frequency, spectrum)))
                           .arg(analysis->harmonics.size());
    plot_->setAccessibleDescription(description);
    showReadout(plot_->pickedBin());
}

void SpectrumWindow::showGate(bool offered, bool on, const QString &heading)
{
    showGateControls(*gate_, *heading_, offered, on, heading);
}

void SpectrumWindow::showReadout(int bin)
{
    showNamed(readout_, QStringLiteral("Readout"),
              fromUtf8(binReadout(spectrum_, bin, shownScale_)));
}

} // namespace orvant
