#pragma once

#include "rules/window_fit.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QSize>

class QScreen;
class QScrollArea;
class QWidget;

namespace orvant {

// Keeps a window of a fixed layout inside its screen's available area. Where the
// frame around the layout fits, the window has the layout's fixed size and nothing
// else changes. Where it does not, the window takes at most the available area in
// each direction and its controls move, unscaled, into a scroll area that follows
// the keyboard focus. Applied again when the window's screen, that screen's
// available area or the window's frame changes.
class ScreenFit : public QObject
{
    Q_OBJECT

public:
    // `window`'s child widgets are its layout of `layoutSize` pixels.
    ScreenFit(QWidget *window, QSize layoutSize);

    // The window's size and scroll area for its screen and frame as they are now.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowFit currentFit() const;
    void followScreen();
    void scrollLayout(const WindowFit &fit);
    void unscrollLayout();
    void followFocus(QWidget *focused) const;
    void forwardMouseMove(const QEvent *event) const;

    QWidget *const window_;
    const QSize layout_;
    QPointer<QScreen> screen_;
    QMetaObject::Connection screenArea_;
    QScrollArea *area_ = nullptr;
    QWidget *surface_ = nullptr;
};

} // namespace orvant
