#include "override/override_dialogs.h"

#include "override/override_dialog.h"
#include "widgets/twips.h"

#include <QRadioButton>

namespace orvant {

namespace {

std::size_t slot(int parameter)
{
    return static_cast<std::size_t>(parameter - kFirstOverride);
}

} // namespace

OverrideDialogs::OverrideDialogs(Platform &platform, OuterWidthTwips mainWindowWidth,
                                 QObject *parent)
    : QObject(parent)
    , platform_(platform)
    , mainWindowWidth_(std::move(mainWindowWidth))
{
}

OverrideDialogs::~OverrideDialogs() = default;

OverrideDialog *OverrideDialogs::dialog(int parameter) const
{
    if (!overrideRow(parameter))
        return nullptr;
    return dialogs_[slot(parameter)].get();
}

void OverrideDialogs::open(int parameter)
{
    if (!overrideRow(parameter))
        return;
    OverrideDialog &dialog = load(parameter);
    dialog.show();
    // Without a window manager showing moves no focus.
    dialog.raise();
    dialog.activateWindow();
    dialog.unselectAll();
}

void OverrideDialogs::choose(int parameter, int index)
{
    const OverrideRow *row = overrideRow(parameter);
    if (!row || index < 0 || static_cast<std::size_t>(index) >= overrideOptions(*row).size())
        return;
    load(parameter).option(index)->click();
}

// A dialog in use: created (placed) at its first use, placed again after the
// user closed it.
OverrideDialog &OverrideDialogs::load(int parameter)
{
    const std::size_t at = slot(parameter);
    if (!dialogs_[at])
        return create(parameter);
    if (closed_[at]) {
        closed_[at] = false;
        place(*dialogs_[at]);
    }
    return *dialogs_[at];
}

OverrideDialog &OverrideDialogs::create(int parameter)
{
    auto &dialog = dialogs_[slot(parameter)];
    dialog = std::make_unique<OverrideDialog>(*overrideRow(parameter));
    connect(dialog.get(), &OverrideDialog::optionClicked, this,
            [this, parameter](int index) { applyChoice(parameter, index); });
    connect(dialog.get(), &OverrideDialog::closedByUser, this,
            [this, parameter] { closed_[slot(parameter)] = true; });
    place(*dialog);
    emit dialogCreated(dialog.get());
    return *dialog;
}

void OverrideDialogs::place(OverrideDialog &dialog) const
{
    const double left = overrideLeft(mainWindowWidth_(), platform_.screenSize().widthTwips);
    dialog.move(twipsToPixels(static_cast<int>(left)), twipsToPixels(dialog.row().top));
}

void OverrideDialogs::applyChoice(int parameter, int index)
{
    // All of them, in order; one not created yet is created hidden.
    for (int n = kFirstOverride; n <= kLastOverride; ++n)
        load(n).hide();
    emit chosen(parameter, index);
    load(parameter).hide();
}

} // namespace orvant
