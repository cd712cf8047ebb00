// Display controls: the colour of the next curve, Clear Window and the
// background toggle; and the opening of the override dialogs.
#include "viewer/frm_orvant.h"

#include "override/override_dialogs.h"
#include "viewer/frm_background.h"
#include "viewer/main_window_layout.h"
#include "viewer/measuring_tools.h"
#include "viewer/settings_panel.h"
#include "widgets/click_label.h"
#include "widgets/form_tracker.h"
#include "widgets/option_group.h"
#include "widgets/pic_curve.h"
#include "widgets/twips.h"

#include <QFrame>
#include <QRadioButton>

namespace orvant {

void FrmOrvant::selectColour(int nextColour)
{
    state_.nextColour = static_cast<std::int16_t>(nextColour);
    QFrame *selected = c_.indicator.at(static_cast<std::size_t>(nextColour - 1));
    selected->move(selected->x(), twipsToPixels(kIndicatorTop));
    // In the order black, red, blue, magenta.
    for (const int n : {1, 2, 3, 4})
        c_.indicator.at(static_cast<std::size_t>(n - 1))->setVisible(n == nextColour);
}

// In this order: the colour buttons are off while the plot is emptied and drawn
// afresh, so no click on one lands in between; the panel is emptied last.
void FrmOrvant::clearWindowSteps()
{
    c_.optClr->setEnabled(true);
    for (QRadioButton *button : c_.optCH)
        button->setEnabled(false);
    c_.optClr->setFocus(Qt::OtherFocusReason);
    c_.optClr->setChecked(true);
    c_.picCurve->clear();
    drawGraticule(*c_.picCurve);
    options_->unselect(c_.optClr);
    for (QRadioButton *button : c_.optCH)
        button->setEnabled(true);
    state_.shown.clear();
    showSettings(c_.lblValue, state_.shown);
    measuring_->refresh();
}

void FrmOrvant::optClr_Click()
{
    clearWindowSteps();
}

void FrmOrvant::optBack_Click()
{
    clearWindowSteps();
    centreWindow();
    if (!state_.background) {
        state_.background = true;
        showBackgroundWindow();
        c_.optBack->setText(QStringLiteral("Hide Background"));
        options_->unselect(c_.optBack);
        options_->selectLikeClick(c_.optCH[0]);
        c_.indicator[0]->setVisible(true);
        // COLOR 1 is selected by now, so this runs no handler: the toggle's own
        // sequence, which leaves COLOR 1 selected while the background shows.
        options_->selectLikeClick(c_.optCH[0]);
    } else {
        state_.background = false;
        if (background_)
            background_->hide();
        c_.optBack->setText(QStringLiteral("Show Background"));
        options_->unselect(c_.optBack);
        options_->selectLikeClick(c_.optCH[0]);
    }
}

void FrmOrvant::showBackgroundWindow()
{
    if (!background_) {
        background_ = std::make_unique<FrmBackground>(platform_);
        connect(background_.get(), &FrmBackground::pictureDoubleClicked, this,
                &FrmOrvant::imgBack_DblClick);
        tracker_->registerForm(background_.get());
    }
    background_->showOnScreen();
}

void FrmOrvant::lblValue_Click(int index)
{
    overrides_->open(index);
}

void FrmOrvant::showOverride(int parameter, int option)
{
    state_.shown.showChoice(parameterNumbered(parameter), static_cast<ValueIndex>(option));
    showSettings(c_.lblValue, state_.shown);
    measuring_->refresh();
    tracker_->bringToFront(this);
}

} // namespace orvant
