#include "viewer/zoom_window.h"

#include "measure/zoom_axis.h"
#include "widgets/look_and_feel.h"
#include "widgets/plot_cursors.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orvant {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ZoomWindow::ZoomWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , capture_(new QLabel(this))
    , interpolation_(new QComboBox(this))
    , span_(new QLabel(this))
    , plot_(new ZoomPlot(this))
    , cursors_(new PlotCursors(plot_, PlotCursors::Spanning::CtrlDrag))
{
    setObjectName(QStringLiteral("zoom"));
    setWindowTitle(QStringLiteral("Zoom"));
    setFont(courierNew(FontSize::Pt9_75, false));
    capture_->setFont(courierNew(FontSize::Pt9_75));
    capture_->setObjectName(QStringLiteral("zoomCapture"));
    for (const InterpolationInfo &info : kInterpolations)
        interpolation_->addItem(fromUtf8(info.caption));
    interpolation_->setObjectName(QStringLiteral("zoomInterpolation"));
    interpolation_->setAccessibleName(QStringLiteral("Interpolation"));
    span_->setObjectName(QStringLiteral("zoomSpan"));
    auto *hint = new QLabel(
        QStringLiteral("Wheel: time, Shift+wheel: volts, drag: pan, right drag: zoom to a box, "
                       "Backspace: back, Home: all, + \u2212 and arrows without a mouse; "
                       "Ctrl+drag: cursors, a cursor dragged alone, Esc: hide them"),
        this);
    hint->setWordWrap(true);

    auto *choices = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("&Interpolation"), this);
    label->setBuddy(interpolation_);
    choices->addWidget(label);
    choices->addWidget(interpolation_);
    choices->addStretch();
    choices->addWidget(span_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(capture_);
    layout->addLayout(choices);
    layout->addWidget(plot_, 1);
    layout->addWidget(hint);

    connect(interpolation_, &QComboBox::activated, this, [this](int index) {
        emit interpolationChosen(kInterpolations[static_cast<std::size_t>(index)].interpolation);
    });
    connect(plot_, &ZoomPlot::viewChanged, this, &ZoomWindow::showSpan);
    cursors_->setObjectName(QStringLiteral("zoomCursors"));
    cursors_->setView(plot_->view());
    connect(plot_, &ZoomPlot::viewChanged, cursors_, [this] { cursors_->setView(plot_->view()); });
    auto *hideCursors = new QAction(QStringLiteral("Hide Cursors"), this);
    hideCursors->setShortcut(Qt::Key_Escape);
    addAction(hideCursors);
    connect(hideCursors, &QAction::triggered, cursors_, &PlotCursors::hideCursors);
    resize(960, 600);
    showSpan();
}

void ZoomWindow::showCurves(const QString &captureName, std::vector<ZoomCurve> curves,
                            std::optional<ZoomCurve> reference, const ShownScale &scale)
{
    capture_->setText(captureName);
    capture_->setAccessibleName(QStringLiteral("Capture ") + captureName);
    scale_ = scale;
    const int count = static_cast<int>(curves.size());
    const bool withReference = reference.has_value();
    plot_->setCurves(std::move(curves), std::move(reference), scale);
    plot_->setAccessibleDescription(
        QStringLiteral("%1 curves%2").arg(count).arg(withReference ? ", a reference dashed" : ""));
    showSpan();
}

void ZoomWindow::showInterpolation(Interpolation interpolation)
{
    for (std::size_t i = 0; i < kInterpolations.size(); ++i) {
        if (kInterpolations[i].interpolation == interpolation)
            interpolation_->setCurrentIndex(static_cast<int>(i));
    }
    plot_->setInterpolation(interpolation);
}

void ZoomWindow::showSpan()
{
    const QString text = fromUtf8(spanText(plot_->span(), scale_));
    span_->setText(text);
    span_->setAccessibleName(QStringLiteral("Shown ") + text);
}

} // namespace orvant
