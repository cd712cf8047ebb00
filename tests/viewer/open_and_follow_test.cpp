// Opening a capture from outside the window (command line, drop), the file list
// following its folder, and the batch picture against the plot.
#include "main_window_fixture.h"

#include "picture/capture_picture.h"

#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace orvant::test {

namespace {

QStringList texts(const QListWidget *list)
{
    QStringList all;
    for (int row = 0; row < list->count(); ++row)
        all.append(list->item(row)->text());
    return all;
}

// What a user sees of a load and the navigation.
struct Seen
{
    QString driveText;
    QString pathText;
    QStringList folders;
    QStringList files;
    QString currentFile;
    QStringList labels;
    QStringList rows;
    QImage plot;
    bool operator==(const Seen &) const = default;
};

Seen seen(const QWidget &window)
{
    const auto child = [&](const char *name) {
        return window.findChild<QWidget *>(QString::fromUtf8(name));
    };
    const auto *files = static_cast<QListWidget *>(child("filDatei"));
    Seen what {static_cast<QLineEdit *>(child("txtDrive"))->text(),
               static_cast<QLineEdit *>(child("txtPath"))->text(),
               texts(static_cast<QListWidget *>(child("dirVerzeichnis"))),
               texts(files),
               files->currentItem() ? files->currentItem()->text() : QString(),
               {},
               texts(static_cast<QListWidget *>(child("lstDaten"))),
               child("picCurve")->grab().toImage()};
    for (int parameter = 101; parameter <= 125; ++parameter)
        what.labels.append(
            window.findChild<QLabel *>(QStringLiteral("lblValue(%1)").arg(parameter))->text());
    return what;
}

} // namespace

class OpenAndFollow : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        elsewhere = temp.path() / "elsewhere";
        std::filesystem::create_directories(elsewhere);
        CaptureBuilder square;
        for (std::size_t k = 0; k < square.samples.size(); ++k)
            square.samples[k] = (k / 64) % 2 ? 0xC0 : 0x40;
        writeFile(elsewhere / "square.log", square.hexText() + "\r\n");
        writeFile(elsewhere / "b.log", CaptureBuilder {}.hexText());
    }

    void drop(const std::vector<std::filesystem::path> &paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const auto &path : paths)
            urls.append(QUrl::fromLocalFile(QString::fromStdString(path.string())));
        data.setUrls(urls);
        const QPoint centre = window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        settle();
    }

    void countLoads()
    {
        QObject::connect(window.get(), &FrmOrvant::loadStarted, [this] { ++loads; });
    }

    std::filesystem::path elsewhere;
    int loads = 0;
};

TEST_F(OpenAndFollow, CommandLineCaptureLeavesTheWindowAsAClickAndGivesTheBatchPicture)
{
    start();
    window->dirVerzeichnis_Change(elsewhere.string());
    clickFile(QStringLiteral("square.log"));
    const Seen clicked = seen(*window);
    EXPECT_EQ(clicked.rows.size(), 1055);
    // The batch command's picture is the plot after this first load.
    const QImage picture = firstLoadPicture(state.curveTable);
    EXPECT_EQ(clicked.plot.convertToFormat(QImage::Format_RGB32), picture);
    // Its PNG keeps every pixel, with a palette or, for many colours, without.
    QImage manyColours(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            manyColours.setPixel(x, y, qRgb(x * 4, y * 4, 7));
    for (const QImage &image : {picture, manyColours}) {
        const std::string png = pngBytes(image);
        EXPECT_EQ(
            QImage::fromData(QByteArray::fromStdString(png)).convertToFormat(QImage::Format_RGB32),
            image);
    }
    window.reset();

    const std::string pathFileBefore = readFile(folders.pathFile());
    const auto otherState = std::make_unique<VarGlobal>();
    FrmOrvant opened(*otherState, platform, folders);
    opened.openAfterFirstActivation(elsewhere / "square.log");
    opened.show();
    opened.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opened));
    settle();
    EXPECT_TRUE(seen(opened) == clicked);
    EXPECT_EQ(readFile(folders.pathFile()), pathFileBefore);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenAndFollow, DropOpensTheFirstFileGoesToAFolderAndWaitsForNoLoad)
{
    start();
    countLoads();
    drop({elsewhere / "square.log", captureFolder / "sine.log"});
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(pathText()->text().toStdString(), (elsewhere / "").string());
    EXPECT_EQ(fileList()->currentItem()->text(), QStringLiteral("square.log"));
    EXPECT_EQ(byteList()->count(), 1055);

    drop({captureFolder});
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(pathText()->text().toStdString(), (captureFolder / "").string());

    // During a load a drop is ignored, as a click is.
    QObject::connect(window.get(), &FrmOrvant::loadYielded, [&] {
        if (loading && pathText()->text().contains(QStringLiteral("captures")))
            drop({elsewhere / "b.log"});
    });
    clickFile(QStringLiteral("sine.log"));
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(pathText()->text().toStdString(), (captureFolder / "").string());
}

TEST_F(OpenAndFollow, FilesAppearAndDisappearWithoutALoadEvenDuringOne)
{
    start();
    countLoads();
    clickFile(QStringLiteral("sine.log"));
    ASSERT_EQ(loads, 1);
    const auto listed = [this](const char *name) {
        return fileList()->findItems(QString::fromUtf8(name), Qt::MatchExactly).size() == 1;
    };

    writeFile(captureFolder / "a new.log", CaptureBuilder {}.hexText());
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed("a new.log"); }, 2000));
    EXPECT_EQ(fileList()->currentItem()->text(), QStringLiteral("sine.log"));
    EXPECT_EQ(texts(fileList()), (QStringList {"a new.log", "sine.log"}));

    // A change while the load lets events run: the load goes on undisturbed.
    QObject::connect(window.get(), &FrmOrvant::loadYielded, [&] {
        if (!listed("during.log")) {
            writeFile(captureFolder / "during.log", "");
            window->findChild<FileList *>(QStringLiteral("filDatei"))->refresh();
        }
    });
    clickFile(QStringLiteral("a new.log"));
    EXPECT_EQ(loads, 2);
    EXPECT_TRUE(listed("during.log"));
    EXPECT_EQ(byteList()->count(), 1055);
    EXPECT_EQ(plot().curveCount(), 2);

    std::filesystem::remove(captureFolder / "a new.log");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !listed("a new.log"); }, 2000));
    EXPECT_TRUE(fileList()->selectedItems().isEmpty());
    EXPECT_EQ(fileList()->currentItem(), nullptr);
    EXPECT_EQ(loads, 2);
}

} // namespace orvant::test
