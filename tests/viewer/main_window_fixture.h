#pragma once

#include "capture_builder.h"
#include "fake_platform.h"
#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/file_list.h"
#include "viewer/frm_background.h"
#include "viewer/frm_orvant.h"
#include "widgets/form_tracker.h"
#include "widgets/pic_curve.h"
#include "widgets/plot_cursors.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace orvant::test {

inline int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    }
    return count;
}

inline QImage freshGraticule(QSize size)
{
    PicCurve plot;
    plot.resize(size);
    plot.clear();
    drawGraticule(plot);
    return plot.image();
}

// A window of the program other than the main window, by its name.
inline QWidget *topLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

// A main window on a temporary root folder with a recording platform. The
// capture folder holds "sine.log"; the path file points at it.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folders.root = temp.path() / "ORVANT";
        std::filesystem::create_directories(folders.outputFolder());
        std::filesystem::create_directories(folders.exportFolder());
        captureFolder = temp.path() / "captures";
        std::filesystem::create_directories(captureFolder);
        writeFile(captureFolder / "sine.log", CaptureBuilder {}.hexText() + "\r\n");
        std::filesystem::create_directories(folders.pathFolder());
        writeFile(folders.pathFile(), captureFolder.string() + "/\r\n");
    }

    void TearDown() override
    {
        window.reset();
        QApplication::processEvents();
    }

    // Creates, shows and activates the window; waits for its activation.
    void start()
    {
        window = std::make_unique<FrmOrvant>(state, platform, folders);
        QObject::connect(window.get(), &FrmOrvant::loadStarted, [this] { loading = true; });
        QObject::connect(window.get(), &FrmOrvant::loadEnded, [this] { loading = false; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    template<typename T> T *child(const char *name) const
    {
        T *found = window->findChild<T *>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QListWidget *fileList() const { return child<QListWidget>("filDatei"); }
    QListWidget *byteList() const { return child<QListWidget>("lstDaten"); }
    QLineEdit *pathText() const { return child<QLineEdit>("txtPath"); }
    QRadioButton *option(const char *name) const { return child<QRadioButton>(name); }
    PicCurve &plot() const { return *child<PicCurve>("picCurve"); }
    // The entry of the plot's context menu with this text.
    QAction *menuEntry(const QString &text) const
    {
        for (QAction *action : child<PlotCursors>("plotCursors")->actions()) {
            if (action->text() == text)
                return action;
        }
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    static FrmBackground *background()
    {
        return qobject_cast<FrmBackground *>(topLevel(QStringLiteral("frmBackground")));
    }
    QLabel *valueLabel(int parameter) const
    {
        return child<QLabel>(QStringLiteral("lblValue(%1)").arg(parameter).toUtf8().constData());
    }
    QString valueText(int parameter) const { return valueLabel(parameter)->text(); }
    QColor valueColour(int parameter) const
    {
        return valueLabel(parameter)->palette().color(QPalette::WindowText);
    }

    // A mouse click on a file name, as a user makes it.
    void clickFile(const QString &name)
    {
        QListWidget *list = fileList();
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        const QRect rect = list->visualItemRect(items.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        settle();
    }

    // A radio button reacts only on its indicator and text: click near its left edge.
    static void clickOption(QRadioButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        settle();
    }

    QListWidgetItem *folderItem(const QString &name) const
    {
        const auto items = child<QListWidget>("dirVerzeichnis")->findItems(name, Qt::MatchEndsWith);
        EXPECT_EQ(items.size(), 1) << name.toStdString();
        return items.value(0);
    }

    // A double click on a folder of the folder list, as a user makes it: the
    // view opens only the item that the first click of the pair pressed.
    void doubleClickFolder(const QString &name)
    {
        if (QListWidgetItem *item = folderItem(name)) {
            QWidget *viewport = item->listWidget()->viewport();
            const QPoint centre = item->listWidget()->visualItemRect(item).center();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, centre);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, centre);
            settle();
        }
    }

    // A mouse click on value label `parameter`, as a user makes it.
    void clickValueLabel(int parameter)
    {
        QTest::mouseClick(valueLabel(parameter), Qt::LeftButton);
        settle();
    }

    // Opens override dialog `parameter` by its label and clicks option `index`.
    void overrideByClicks(int parameter, int index)
    {
        clickValueLabel(parameter);
        const QWidget *dialog = topLevel(QStringLiteral("frm%1").arg(parameter));
        ASSERT_NE(dialog, nullptr) << parameter;
        const auto name = QStringLiteral("opt%1(%2)").arg(parameter).arg(index);
        auto *choice = dialog->findChild<QRadioButton *>(name);
        ASSERT_NE(choice, nullptr) << name.toStdString();
        clickOption(choice);
    }

    void refreshFileList()
    {
        window->dirVerzeichnis_Change(captureFolder.string());
        settle();
    }

    TempFolder temp;
    bool loading = false; // between a load's start and its end
    Folders folders;
    std::filesystem::path captureFolder;
    FakePlatform platform;
    VarGlobal state;
    std::unique_ptr<FrmOrvant> window;
};

} // namespace orvant::test
