#include "viewer/form_tracker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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

void FormTracker::registerForm(QWidget *form, std::function<void()> onActivate)
{
    forms_.push_back({form, std::move(onActivate)});
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
        if (!event->spontaneous() && formOf(watched))
            makeCurrent(static_cast<QWidget *>(watched));
        break;
    case QEvent::WindowActivate:
        if (formOf(watched))
            makeCurrent(static_cast<QWidget *>(watched));
        break;
    case QEvent::MouseButtonPress:
        // Without a window manager a press arrives before any activation.
        if (watched->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(watched)->window();
            if (formOf(window))
                makeCurrent(window);
        }
        break;
    default:
        break;
    }
    return false;
}

const FormTracker::Form *FormTracker::formOf(const QObject *object) const
{
    for (const Form &form : forms_) {
        if (form.widget == object)
            return &form;
    }
    return nullptr;
}

void FormTracker::makeCurrent(QWidget *form)
{
    if (current_ == form)
        return;
    current_ = form;
    // Queued, after Qt's own bookkeeping of the change.
    QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(form)] {
        if (!target)
            return;
        if (const Form *entry = formOf(target); entry && entry->onActivate)
            entry->onActivate();
    });
}

} // namespace orvant
