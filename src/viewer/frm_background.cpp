#include "viewer/frm_background.h"

#include "widgets/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace orvant {

FrmBackground::FrmBackground(Platform &platform)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint)
    , platform_(platform)
    , imgBack_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmBackground"));
    setWindowTitle(QStringLiteral("ORVANT"));
    imgBack_->setObjectName(QStringLiteral("imgBack"));
    imgBack_->setPixmap(QPixmap(QStringLiteral(":/orvant/background.bmp")));
    imgBack_->setScaledContents(true);
    imgBack_->setAccessibleName(QStringLiteral("Background picture"));
    imgBack_->setAccessibleDescription(
        QStringLiteral("Grey background behind the main window; a double click ends the program"));
    imgBack_->installEventFilter(this);
}

void FrmBackground::showOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
}

void FrmBackground::Form_Activate()
{
    const ScreenSize screen = platform_.screenSize();
    imgBack_->setGeometry(0, 0, twipsToPixels(screen.widthTwips),
                          twipsToPixels(screen.heightTwips));
}

bool FrmBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgBack_ && event->type() == QEvent::MouseButtonDblClick) {
        emit pictureDoubleClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvant
