#include "viewer/start_centring.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace orvant {

StartCentring::StartCentring(QWidget *window)
    : QObject(window)
    , window_(window)
    , placed_(window->pos())
{
    window_->installEventFilter(this);
}

bool StartCentring::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
        break;
    default:
        return false;
    }
    const QWindow *handle = window_->windowHandle();
    if (handle && !handle->frameMargins().isNull()) {
        window_->removeEventFilter(this);
        if (window_->pos() == placed_)
            emit frameKnown();
    } else if (window_->pos() != placed_) {
        window_->removeEventFilter(this); // moved before its frame was known
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvant
