#pragma once

#include "widgets/platform.h"

#include <QWidget>

class QLabel;

namespace orvant {

// The full-screen background behind the main window: one picture stretched
// over the primary screen. It stays at the bottom and hands the activation back
// to the main window.
class FrmBackground : public QWidget
{
    Q_OBJECT

public:
    explicit FrmBackground(Platform &platform);

    void showOnScreen();
    // Places the picture over the whole screen.
    void Form_Activate();
    QLabel *picture() const { return imgBack_; }

signals:
    void pictureDoubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Platform &platform_;
    QLabel *imgBack_;
};

} // namespace orvant
