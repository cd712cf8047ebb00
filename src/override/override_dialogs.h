#pragma once

#include "rules/override_table.h"
#include "widgets/platform.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QWidget;

namespace orvant {

class OverrideDialog;

// The 23 override dialogs. Each is created on first use and afterwards only
// shown and hidden; one closed through its title bar counts as not loaded and
// is placed afresh when it is next used. A choice hides them all and hands it on
// (chosen).
class OverrideDialogs : public QObject
{
    Q_OBJECT

public:
    // The main window's outer width (frame included) in twips, read at placement.
    using OuterWidthTwips = std::function<int()>;

    OverrideDialogs(Platform &platform, OuterWidthTwips mainWindowWidth, QObject *parent = nullptr);
    ~OverrideDialogs() override;

    // A click on value label `parameter`: dialog 101 to 123 opens with no option
    // selected; any other number does nothing.
    void open(int parameter);
    // Option `index` of dialog `parameter` chosen as a click would (the dialog
    // is created hidden when it does not exist yet).
    void choose(int parameter, int index);

    // The dialog, or nullptr while it has not been created (never creates it).
    OverrideDialog *dialog(int parameter) const;
    bool exists(int parameter) const { return dialog(parameter) != nullptr; }

signals:
    // Option `option` of dialog `parameter` chosen (its written text is the
    // catalogue's).
    void chosen(int parameter, int option);
    // Once for each dialog, when it is created.
    void dialogCreated(QWidget *dialog);

private:
    OverrideDialog &load(int parameter);
    OverrideDialog &create(int parameter);
    void place(OverrideDialog &dialog) const;
    void applyChoice(int parameter, int index);

    Platform &platform_;
    const OuterWidthTwips mainWindowWidth_;
    std::array<std::unique_ptr<OverrideDialog>, kOverrideCount> dialogs_;
    std::array<bool, kOverrideCount> closed_ {};
};

} // namespace orvant
