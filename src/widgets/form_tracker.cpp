#include "widgets/form_tracker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace orvant {

FormTracker::FormTracker(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

FormTracker::~FormTracker()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void FormTracker::registerForm(QWidget *form)
{
    forms_.emplace_back(form);
}

void FormTracker::bringToFront(QWidget *form)
{
    form->show();
    form->raise();
    form->activateWindow();
    makeCurrent(form);
}

bool FormTracker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Only the program's own show; a window system's re-show is no change.
        if (!event->spontaneous() && isForm(watched))
            makeCurrent(static_cast<QWidget *>(watched));
        break;
    case QEvent::WindowActivate:
        if (isForm(watched))
            makeCurrent(static_cast<QWidget *>(watched));
        break;
    case QEvent::MouseButtonPress:
        // Without a window manager a press arrives before any activation.
        if (watched->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(watched)->window();
            if (isForm(window))
                makeCurrent(window);
        }
        break;
    default:
        break;
    }
    return false;
}

bool FormTracker::isForm(const QObject *object) const
{
    return std::any_of(forms_.begin(), forms_.end(),
                       [object](const QPointer<QWidget> &form) { return form == object; });
}

void FormTracker::makeCurrent(QWidget *form)
{
    if (current_ == form)
        return;
    current_ = form;
    // Queued, after Qt's own bookkeeping of the change.
    QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(form)] {
        if (target && isForm(target))
            emit formActivated(target);
    });
}

} // namespace orvant
