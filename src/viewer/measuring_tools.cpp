#include "viewer/measuring_tools.h"

#include "capture/load_path.h"
#include "export/curve_csv.h"
#include "export/output_name.h"
#include "measure/cursor_readout.h"
#include "picture/capture_picture.h"
#include "shared/atomic_file.h"
#include "viewer/gated_measurements.h"
#include "viewer/measurements_window.h"
#include "viewer/plot_picture_file.h"
#include "widgets/click_label.h"
#include "widgets/file_name_text.h"
#include "widgets/pic_curve.h"
#include "widgets/platform.h"
#include "widgets/plot_cursors.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace orvant {

MeasuringTools::MeasuringTools(const VarGlobal &state, Platform &platform, const Folders &folders,
                               const MainWindowControls &controls, QObject *parent)
    : QObject(parent)
    , state_(state)
    , platform_(platform)
    , folders_(folders)
    , controls_(controls)
    , cursors_(new PlotCursors(controls.picCurve))
    , menu_(new QMenu(cursors_))
{
    // One menu shown again at every right click: a menu made anew each time leaves a
    // screen reader with the entries of the first one, which are gone.
    cursors_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cursors_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { menu_->popup(cursors_->mapToGlobal(position)); });
    hideCursors_ = addAction(QStringLiteral("Hide Cursors"), nullptr);
    hideCursors_->setShortcut(Qt::Key_Escape);
    hideCursors_->setEnabled(false);
    connect(hideCursors_, &QAction::triggered, cursors_, &PlotCursors::hideCursors);
    addAction(QStringLiteral("Measurements"), &MeasuringTools::showMeasurementsWindow)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    menu_->addSeparator();
    copyPicture_ = addAction(QStringLiteral("Copy Picture"), &MeasuringTools::copyPicture);
    savePicture_ = addAction(QStringLiteral("Save Picture\u2026"), &MeasuringTools::savePicture);
    saveCsv_ = addAction(QStringLiteral("Save Curve as CSV\u2026"), &MeasuringTools::saveCsv);
    for (QAction *action : {copyPicture_, savePicture_, saveCsv_})
        action->setEnabled(false); // until a load has completed
    connect(cursors_, &PlotCursors::boxChanged, this, [this](const auto &box) {
        hideCursors_->setEnabled(box.has_value());
        for (PlotCursors *layer : otherLayers_)
            layer->showBox(box);
        refresh();
    });
    connect(cursors_, &PlotCursors::marksChanged, this, [this] {
        for (PlotCursors *layer : otherLayers_)
            layer->setMarks(cursors_->marks());
    });
}

void MeasuringTools::addCursorLayer(PlotCursors &layer)
{
    otherLayers_.emplace_back(&layer);
    connect(&layer, &QObject::destroyed, this, [this] {
        std::erase_if(otherLayers_, [](const QPointer<PlotCursors> &kept) { return !kept; });
    });
    layer.setReadout(cursors_->readout());
    layer.setMarks(cursors_->marks());
    layer.showBox(cursors_->box());
    // The plot's layer tells the others in turn; an unchanged box ends the round.
    connect(&layer, &PlotCursors::boxChanged, cursors_, &PlotCursors::showBox);
}

QAction *MeasuringTools::addAction(const QString &text, void (MeasuringTools::*slot)())
{
    auto *action = new QAction(text, cursors_);
    action->setShortcutContext(Qt::WindowShortcut);
    cursors_->addAction(action); // its shortcut works while the menu is closed
    menu_->addAction(action);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction *MeasuringTools::addMenuEntry(const QString &text, const QKeySequence &key)
{
    QAction *action = addAction(text, nullptr);
    action->setShortcut(key);
    return action;
}

std::optional<CursorBox> MeasuringTools::cursorBox() const
{
    return cursors_->box();
}

std::optional<CursorBox> MeasuringTools::measuredBetween() const
{
    return gated_ && gated_->gated() ? cursors_->box() : std::nullopt;
}

ShownScale MeasuringTools::scale() const
{
    return shownScale(state_.shown.values());
}

void MeasuringTools::loadCompleted(const QByteArray &fileName)
{
    captureName_ = fileName.toStdString();
    // The load has just put its folder, with its separator, into the path text.
    capturePath_ = fullCaptureName(state_.pathText, captureName_);
    for (QAction *action : {copyPicture_, savePicture_, saveCsv_})
        action->setEnabled(true);
    // The load's end, which follows, refreshes the readout and the window.
}

void MeasuringTools::refresh()
{
    const ShownScale shown = scale();
    if (const auto &box = cursors_->box()) {
        QStringList lines;
        for (const std::string &line : cursorReadout(*box, shown))
            lines << QString::fromStdString(line);
        cursors_->setReadout(lines);
        for (PlotCursors *layer : otherLayers_)
            layer->setReadout(lines);
    }
    if (window_ && window_->isVisible())
        gated_->refresh(fileNameText(captureName_), shown, reference_ ? &*reference_ : nullptr);
    emit refreshed();
}

void MeasuringTools::setReference(std::optional<ReferenceCurve> reference, bool onPlot)
{
    const bool changed = reference.has_value() != reference_.has_value()
        || (reference && (reference->values != reference_->values));
    reference_ = std::move(reference);
    if (changed)
        emit referenceChanged();
    cursors_->setReference(reference_ && onPlot ? reference_->values
                                                : std::vector<std::int16_t> {});
    refresh();
}

void MeasuringTools::showMeasurementsWindow()
{
    if (!window_) {
        // A window of its own, not one whose return activates the main window.
        window_ = new MeasurementsWindow(controls_.picCurve->window());
        window_->setWindowFlag(Qt::Window);
        gated_ = new GatedMeasurements(state_.curveTable, *cursors_, *window_, window_);
    }
    window_->show();
    window_->raise();
    refresh();
}

void MeasuringTools::copyPicture()
{
    QGuiApplication::clipboard()->setImage(controls_.picCurve->grab().toImage());
}

void MeasuringTools::savePicture()
{
    if (const auto chosen = askSaveName("Save Picture", ".png", kPlotPictureFilter))
        write(*chosen, plotPictureFile(*controls_.picCurve, *chosen));
}

void MeasuringTools::saveCsv()
{
    save("Save Curve as CSV", ".csv", "CSV files (*.csv)", curveCsv(state_.curveTable, scale()));
}

void MeasuringTools::save(const char *title, const char *suffix, const char *filter,
                          const std::string &content)
{
    if (const auto chosen = askSaveName(title, suffix, filter))
        write(*chosen, content);
}

std::optional<std::string> MeasuringTools::askSaveName(const char *title, const char *suffix,
                                                       const char *filter) const
{
    const std::string suggested
        = pathText(folders_.exportFolder() / pathFromText(outputBaseName(captureName_) + suffix));
    return platform_.askSaveFileName(title, suggested, filter);
}

void MeasuringTools::write(const std::string &chosen, const std::string &content) const
{
    if (const auto failure = writeFileAtomically(pathFromText(chosen), content))
        platform_.showMessage("Message",
                              "The file  < " + chosen + " >  could not be saved: " + *failure);
}

void MeasuringTools::tell(const std::string &text) const
{
    platform_.showMessage("Message", text);
}

} // namespace orvant
