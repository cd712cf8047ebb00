#include "viewer/screen_fit.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace orvant {

namespace {

// Room left around a control scrolled into view, where the viewport has it.
constexpr int kFocusMargin = 4;

FitSize fitSize(QSize size)
{
    return {size.width(), size.height()};
}

int scrollBarExtent(const QWidget &window)
{
    const QStyle *style = window.style();
    int extent = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
    if (style->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, &window))
        extent += std::max(0, style->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing));
    return extent;
}

// Moves the child widgets of `from` (not windows, not `keep`) to `to`, as they
// stood, shown or hidden, and in the same stacking order. The focus chain is the
// window's and stays as it is.
void moveChildWidgets(QWidget &from, QWidget &to, const QWidget *keep)
{
    std::vector<QWidget *> moving;
    for (QObject *object : from.children()) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (widget && widget != keep && !widget->isWindow())
            moving.push_back(widget);
    }
    QWidget *const focused = QApplication::focusWidget();
    for (QWidget *widget : moving) {
        const bool shown = !widget->isHidden();
        widget->setParent(&to);
        widget->setVisible(shown);
    }
    if (focused && to.isAncestorOf(focused))
        focused->setFocus(Qt::OtherFocusReason);
}

} // namespace

ScreenFit::ScreenFit(QWidget *window, QSize layoutSize)
    : QObject(window)
    , window_(window)
    , layout_(layoutSize)
{
    window_->setFixedSize(layout_);
    window_->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *focused) { followFocus(focused); });
    apply();
}

WindowFit ScreenFit::currentFit() const
{
    FrameMargins frame;
    if (const QWindow *handle = window_->windowHandle()) {
        const QMargins margins = handle->frameMargins();
        frame = {margins.left(), margins.top(), margins.right(), margins.bottom()};
    }
    const QScreen *screen = window_->screen();
    const QSize available = screen ? screen->availableGeometry().size() : layout_;
    return fitWindow(fitSize(layout_), fitSize(available), frame, scrollBarExtent(*window_));
}

void ScreenFit::apply()
{
    followScreen();
    const WindowFit fit = currentFit();
    if (fit.scrolls())
        scrollLayout(fit);
    else
        unscrollLayout();
}

void ScreenFit::followScreen()
{
    QScreen *screen = window_->screen();
    if (screen == screen_)
        return;
    disconnect(screenArea_);
    screen_ = screen;
    if (screen)
        screenArea_ = connect(screen, &QScreen::availableGeometryChanged, this, &ScreenFit::apply);
}

void ScreenFit::scrollLayout(const WindowFit &fit)
{
    const QSize client(fit.client.width, fit.client.height);
    if (!area_) {
        surface_ = new QWidget;
        surface_->setObjectName(QStringLiteral("layout"));
        surface_->setFixedSize(layout_);
        surface_->setMouseTracking(true);
        surface_->installEventFilter(this);
        moveChildWidgets(*window_, *surface_, nullptr);
        area_ = new QScrollArea(window_);
        area_->setObjectName(QStringLiteral("layoutScroll"));
        area_->setFrameShape(QFrame::NoFrame);
        area_->setFocusPolicy(Qt::NoFocus);
        area_->setWidget(surface_);
        area_->show();
    }
    area_->setHorizontalScrollBarPolicy(fit.scrollsAcross ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(fit.scrollsDown ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    if (window_->size() != client)
        window_->setFixedSize(client);
    area_->setGeometry(QRect(QPoint(0, 0), client));
}

void ScreenFit::unscrollLayout()
{
    if (area_) {
        area_->hide();
        moveChildWidgets(*surface_, *window_, area_);
        delete area_; // and the emptied surface with it
        area_ = nullptr;
        surface_ = nullptr;
    }
    if (window_->size() != layout_)
        window_->setFixedSize(layout_);
}

void ScreenFit::followFocus(QWidget *focused) const
{
    // A click focuses what it hits, where it is: only the keyboard's focus scrolls.
    if (!area_ || !focused || !surface_->isAncestorOf(focused)
        || QApplication::mouseButtons() != Qt::NoButton)
        return;
    // The whole control where the viewport has room for it, then its cursor or
    // current item (the part it shows of itself first where it has not).
    const QRect control(focused->mapTo(surface_, QPoint(0, 0)), focused->size());
    area_->ensureVisible(control.center().x(), control.center().y(),
                         control.width() / 2 + kFocusMargin, control.height() / 2 + kFocusMargin);
    area_->ensureWidgetVisible(focused, kFocusMargin, kFocusMargin);
}

void ScreenFit::forwardMouseMove(const QEvent *event) const
{
    // The layout's free area is the window's: its pointer moves are the window's.
    const auto *move = static_cast<const QMouseEvent *>(event);
    QMouseEvent onWindow(QEvent::MouseMove, window_->mapFromGlobal(move->globalPosition()),
                         move->globalPosition(), move->button(), move->buttons(),
                         move->modifiers());
    QCoreApplication::sendEvent(window_, &onWindow);
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == surface_) {
        if (event->type() != QEvent::MouseMove)
            return false;
        forwardMouseMove(event);
        return true;
    }
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::ScreenChangeInternal:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
        apply(); // the frame, the screen or its available area may have changed
        break;
    default:
        break;
    }
    return false;
}

} // namespace orvant
