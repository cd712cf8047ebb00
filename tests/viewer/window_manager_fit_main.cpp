// The main window under a real window manager on a screen lower than its frame:
// after the start, after "Set Form Centre" and after each background toggle the
// frame, title bar included, lies inside the screen, centred. The frame is asked of the X
// server itself (xwininfo), not of Qt. ORVANT_SHOT_DIR=folder keeps a screenshot
// of each step. Run by tests/install/small_screen_check.sh under Xvfb and openbox.
#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/frm_orvant.h"
#include "widgets/qt_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <filesystem>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int field(const QString &text, const char *name)
{
    const QRegularExpression pattern(QStringLiteral("%1:\\s+(-?\\d+)").arg(QLatin1String(name)));
    return pattern.match(text).captured(1).toInt();
}

// The window manager's frame: the parent of the viewer's own X window.
QRect frameOnServer(const QWidget &window)
{
    const QString id = QStringLiteral("0x%1").arg(window.winId(), 0, 16);
    const QString tree
        = run(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), id});
    const QString parent = QRegularExpression(QStringLiteral("Parent window id: (0x[0-9a-f]+)"))
                               .match(tree)
                               .captured(1);
    if (parent.isEmpty())
        return {};
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), parent});
    return {field(info, "Absolute upper-left X"), field(info, "Absolute upper-left Y"),
            field(info, "Width"), field(info, "Height")};
}

// Waits until the frame has stood still for a moment.
QRect settledFrame(const QWidget &window)
{
    QRect last;
    QElapsedTimer clock;
    clock.start();
    int still = 0;
    while (clock.elapsed() < 10000 && still < 3) {
        QTest::qWait(150);
        const QRect now = frameOnServer(window);
        still = (!now.isNull() && now == last) ? still + 1 : 0;
        last = now;
    }
    return last;
}

void shoot(const char *step)
{
    const QByteArray folder = qgetenv("ORVANT_SHOT_DIR");
    if (!folder.isEmpty()) {
        run(QStringLiteral("import"),
            {QStringLiteral("-window"), QStringLiteral("root"),
             QString::fromLocal8Bit(folder) + '/' + step + ".png"});
    }
}

bool checkInside(const QWidget &window, const QRect &screen, const char *step)
{
    const QRect frame = settledFrame(window);
    shoot(step);
    // Centred as the window's own rule does it, in whole twips: within a pixel.
    const QPoint centred((screen.width() - frame.width()) / 2,
                         (screen.height() - frame.height()) / 2);
    const bool inside = frame.height() > window.height() && screen.contains(frame)
        && (frame.topLeft() - centred).manhattanLength() <= 1;
    std::printf("%s: frame %dx%d at (%d, %d), client %dx%d on %dx%d: %s\n", step, frame.width(),
                frame.height(), frame.x(), frame.y(), window.width(), window.height(),
                screen.width(), screen.height(),
                inside ? "inside, centred" : "FAIL: not inside or not centred");
    return inside;
}

void click(orvant::FrmOrvant &window, const char *name)
{
    auto *button = window.findChild<QRadioButton *>(QString::fromUtf8(name));
    button->setFocus(Qt::TabFocusReason); // scrolls it into view
    QTest::qWait(100);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// The keyboard's focus on the layout's last control scrolls it into view.
bool lastControlShown(orvant::FrmOrvant &window)
{
    auto *exit = window.findChild<QRadioButton *>(QStringLiteral("optExit"));
    exit->setFocus(Qt::TabFocusReason);
    QTest::qWait(300);
    shoot("exit-focused");
    const auto *area = window.findChild<QScrollArea *>();
    if (!area) {
        std::printf("FAIL: the layout does not scroll\n");
        return false;
    }
    const QRect where(exit->mapTo(area->viewport(), QPoint(0, 0)), exit->size());
    const bool shown = area->viewport()->rect().contains(where);
    std::printf("Exit Program focused: at (%d, %d) in the viewport: %s\n", where.x(), where.y(),
                shown ? "shown" : "FAIL: not shown");
    return shown;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const std::filesystem::path root = std::filesystem::temp_directory_path()
        / ("orvant-wm-fit-" + std::to_string(QCoreApplication::applicationPid()));
    orvant::Folders folders;
    folders.root = root / "ORVANT";
    std::filesystem::create_directories(folders.outputFolder());
    std::filesystem::create_directories(folders.pathFolder());
    orvant::QtPlatform platform; // the screen's size as the program itself asks it
    orvant::VarGlobal state;
    bool inside = true;
    {
        orvant::FrmOrvant window(state, platform, folders);
        window.show();
        inside = checkInside(window, screen, "start") && inside;
        window.move(200, 100);
        settledFrame(window);
        click(window, "optCentre");
        inside = checkInside(window, screen, "centre") && inside;
        window.move(150, 60);
        settledFrame(window);
        click(window, "optBack");
        inside = checkInside(window, screen, "background-shown") && inside;
        click(window, "optBack");
        inside = checkInside(window, screen, "background-hidden") && inside;
        inside = lastControlShown(window) && inside;
    }
    std::filesystem::remove_all(root);
    return inside ? 0 : 1;
}
