#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace orvant {

// A window centred before it is first shown is centred by its client size: its
// frame is not known yet. This watches the window until the window system first
// reports the frame and then asks for the centring once more, unless the window
// has been moved since.
class StartCentring : public QObject
{
    Q_OBJECT

public:
    // Call right after the first centring: the window stands where it was put.
    explicit StartCentring(QWidget *window);

signals:
    void frameKnown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    const QPoint placed_;
};

} // namespace orvant
