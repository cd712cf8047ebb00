#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;

namespace orvant {

// Option buttons of one window used as push buttons: one exclusive group whose
// members run their handler on a click, Space or Enter. Arrow keys move the
// focus between them but never press one.
class OptionGroup : public QObject
{
    Q_OBJECT

public:
    explicit OptionGroup(QObject *parent);

    void add(QAbstractButton *button, std::function<void()> onClick);

    // An exclusive group refuses to uncheck its checked button; this does it.
    void unselect(QAbstractButton *button);
    void unselectAll();
    // Selects the button as a click would: an unselected one runs its handler.
    void selectLikeClick(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Member
    {
        QAbstractButton *button;
        std::function<void()> onClick;
    };
    void moveFocus(QAbstractButton *from, int step);
    const Member *find(const QObject *button) const;

    QButtonGroup *group_;
    std::vector<Member> members_;
};

} // namespace orvant
