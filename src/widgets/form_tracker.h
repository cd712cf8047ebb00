#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace orvant {

// Knows which of the program's own windows (its forms) is current: the one
// shown by the program, activated or pressed last. A form is activated (the
// signal, queued) when it becomes current while another form was, and at its
// first show; never when the program only lost and regained the focus (another
// program, a message box).
class FormTracker : public QObject
{
    Q_OBJECT

public:
    explicit FormTracker(QObject *parent = nullptr);
    ~FormTracker() override;

    void registerForm(QWidget *form);
    QWidget *currentForm() const { return current_; }

    // Hands the activation to a form: shows, raises and activates it, since
    // without a window manager hiding or showing a window moves no focus.
    void bringToFront(QWidget *form);

signals:
    void formActivated(QWidget *form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isForm(const QObject *object) const;
    void makeCurrent(QWidget *form);

    std::vector<QPointer<QWidget>> forms_;
    QPointer<QWidget> current_;
};

} // namespace orvant
