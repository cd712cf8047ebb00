#include "widgets/qt_platform.h"

#include "widgets/file_name_text.h"
#include "widgets/twips.h"
#include "widgets/volumes.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QThread>
#include <QWidget>

namespace orvant {

namespace {

// A box draws a CR as a blank: each of LF CR, CR LF, LF and CR breaks the line once.
QString shownLines(const std::string &text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

void QtPlatform::showMessage(const std::string &title, const std::string &text)
{
    // Give the keyboard back to the window the box came from.
    QWidget *const active = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), shownLines(text),
                    QMessageBox::Ok, active);
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

std::vector<std::string> QtPlatform::mountedVolumes() const
{
    return orvant::mountedVolumes();
}

namespace {

// A name typed without the suffix of the chosen filter ("SVG pictures (*.svg)") gets
// it, so the filter chooses the format; a name with one of its suffixes stays.
QString withFilterSuffix(const QString &name, const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[A-Za-z0-9]+)"));
    QString first;
    for (auto match = pattern.globalMatch(filter); match.hasNext();) {
        const QString suffix = match.next().captured(1);
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return name;
        if (first.isEmpty())
            first = suffix;
    }
    return name + first;
}

} // namespace

std::optional<std::string> QtPlatform::askSaveFileName(const std::string &title,
                                                       const std::string &suggested,
                                                       const std::string &filter)
{
    QString selectedFilter;
    const QString chosen = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QString::fromStdString(title), fileNameText(suggested),
        QString::fromStdString(filter), &selectedFilter);
    if (chosen.isEmpty())
        return std::nullopt;
    return fileNameBytes(withFilterSuffix(chosen, selectedFilter));
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace orvant
