#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

namespace orvant {

// Knows which of the program's own windows (its forms) is current: the one
// shown by the program, activated or pressed last. A form's Activate runs when
// it becomes current while another form was, and at its first show; never when
// the program only lost and regained the focus (another program, a message box).
class FormTracker : public QObject
{
    Q_OBJECT

public:
    explicit FormTracker(QObject *parent = nullptr);
    ~FormTracker() override;

    void registerForm(QWidget *form, std::function<void()> onActivate);
    QWidget *currentForm() const { return current_; }

    // Hands the activation to a form: shows, raises and activates it, since
    // without a window manager hiding or showing a window moves no focus.
    void bringToFront(QWidget *form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Form
    {
        QPointer<QWidget> widget;
        std::function<void()> onActivate;
    };
    const Form *formOf(const QObject *object) const;
    void makeCurrent(QWidget *form);

    std::vector<Form> forms_;
    QPointer<QWidget> current_;
};

} // namespace orvant
