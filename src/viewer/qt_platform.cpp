#include "viewer/qt_platform.h"

#include "viewer/twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QWidget>

namespace orvant {

void QtPlatform::showMessage(const std::string &title, const std::string &text)
{
    // Give the keyboard back to the window the box came from.
    QWidget *const active = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, active);
    box.exec();
    if (active)
        active->activateWindow();
}

std::chrono::system_clock::time_point QtPlatform::now() const
{
    return std::chrono::system_clock::now();
}

void QtPlatform::sleepMilliseconds(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

ScreenSize QtPlatform::screenSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize();
    return {pixelsToTwips(size.width()), pixelsToTwips(size.height())};
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace orvant
