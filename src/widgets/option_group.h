#pragma once

#include <QObject>

class QAbstractButton;
class QButtonGroup;

namespace orvant {

// Option buttons of one window used as push buttons: one exclusive group whose
// members report a click, Space or Enter by their id. Arrow keys move the focus
// between them but never press one.
class OptionGroup : public QObject
{
    Q_OBJECT

public:
    explicit OptionGroup(QObject *parent);

    void add(QAbstractButton *button, int id);

    // An exclusive group refuses to uncheck its checked button; this does it.
    void unselect(QAbstractButton *button);
    // Selects the button as a click would: an unselected one reports its click.
    void selectLikeClick(QAbstractButton *button);

signals:
    void optionClicked(int id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveFocus(QAbstractButton *from, int step);

    QButtonGroup *group_;
};

} // namespace orvant
