#include "viewer/option_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

namespace orvant {

OptionGroup::OptionGroup(QObject *parent)
    : QObject(parent)
    , group_(new QButtonGroup(this))
{
    group_->setExclusive(true);
}

void OptionGroup::add(QAbstractButton *button, std::function<void()> onClick)
{
    group_->addButton(button);
    members_.push_back({button, std::move(onClick)});
    button->installEventFilter(this);
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        if (const Member *member = find(button); member && member->onClick)
            member->onClick();
    });
}

void OptionGroup::unselect(QAbstractButton *button)
{
    if (!button->isChecked())
        return;
    group_->setExclusive(false);
    button->setChecked(false);
    group_->setExclusive(true);
}

void OptionGroup::unselectAll()
{
    if (QAbstractButton *checked = group_->checkedButton())
        unselect(checked);
}

void OptionGroup::selectLikeClick(QAbstractButton *button)
{
    if (button->isChecked())
        return;
    button->setChecked(true);
    if (const Member *member = find(button); member && member->onClick)
        member->onClick();
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
    const auto count = static_cast<int>(members_.size());
    int index = 0;
    while (index < count && members_[static_cast<std::size_t>(index)].button != from)
        ++index;
    for (int tried = 1; tried < count; ++tried) {
        QAbstractButton *candidate
            = members_[static_cast<std::size_t>(((index + step * tried) % count + count) % count)]
                  .button;
        if (candidate->isEnabled() && candidate->isVisible()) {
            candidate->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

const OptionGroup::Member *OptionGroup::find(const QObject *button) const
{
    for (const Member &member : members_) {
        if (member.button == button)
            return &member;
    }
    return nullptr;
}

} // namespace orvant
