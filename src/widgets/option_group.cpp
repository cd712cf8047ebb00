#include "widgets/option_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

namespace orvant {

OptionGroup::OptionGroup(QObject *parent)
    : QObject(parent)
    , group_(new QButtonGroup(this))
{
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, &OptionGroup::optionClicked);
}

void OptionGroup::add(QAbstractButton *button, int id)
{
    group_->addButton(button, id);
    button->installEventFilter(this);
}

void OptionGroup::unselect(QAbstractButton *button)
{
    if (!button->isChecked())
        return;
    group_->setExclusive(false);
    button->setChecked(false);
    group_->setExclusive(true);
}

void OptionGroup::selectLikeClick(QAbstractButton *button)
{
    if (button->isChecked())
        return;
    button->setChecked(true);
    emit optionClicked(group_->id(button));
}

bool OptionGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    const int key = static_cast<QKeyEvent *>(event)->key();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        moveFocus(button, -1);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        moveFocus(button, +1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        button->click();
        return true;
    default:
        return false;
    }
}

void OptionGroup::moveFocus(QAbstractButton *from, int step)
{
    // In the order the buttons were added.
    const QList<QAbstractButton *> buttons = group_->buttons();
    const auto count = static_cast<int>(buttons.size());
    const auto index = static_cast<int>(buttons.indexOf(from));
    for (int tried = 1; tried < count; ++tried) {
        QAbstractButton *candidate = buttons[((index + step * tried) % count + count) % count];
        if (candidate->isEnabled() && candidate->isVisible()) {
            candidate->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace orvant
