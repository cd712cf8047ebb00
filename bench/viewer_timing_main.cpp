// Times the viewer by hand: start-up to the first shown window, one load from
// the click to the curve drawn (median of many), peak memory across loads, and
// drags of the cursors on the plot and in the zoom window (there beside a pan).
// Runs offscreen: QT_QPA_PLATFORM=offscreen viewer_timing ROOT CAPTURE_NAME, where
// ROOT/"ORVANT 2. Path"/txtPath.Text names the folder that holds the capture.
#include "fake_platform.h"
#include "shared/var_global.h"
#include "viewer/frm_orvant.h"
#include "viewer/zoom_window.h"
#include "widgets/look_and_feel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    }
    return -1;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Each mouse move of a left drag on `target` until it is drawn again: the median and
// the largest, in milliseconds.
void timeDrag(const char *what, QWidget *target, QWidget *drawn, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(target, Qt::LeftButton, modifiers, QPoint(150, 150));
    std::vector<double> moves;
    for (int i = 0; i < 300; ++i) {
        const auto start = Clock::now();
        QTest::mouseMove(target, QPoint(160 + i % 400, 160 + i % 200));
        drawn->repaint();
        moves.push_back(millisecondsSince(start));
    }
    QTest::mouseRelease(target, Qt::LeftButton, modifiers, QPoint(160, 160));
    std::sort(moves.begin(), moves.end());
    std::printf("%s: median %.3f ms, max %.3f ms\n", what, moves[moves.size() / 2], moves.back());
}

} // namespace

int main(int argc, char **argv)
{
    const auto processStart = Clock::now();
    if (argc < 3) {
        std::fprintf(stderr, "usage: viewer_timing ROOT CAPTURE_NAME\n");
        return 2;
    }
    QApplication app(argc, argv);
    orvant::applyLookAndFeel(app);
    orvant::test::FakePlatform platform;
    orvant::VarGlobal state;
    orvant::FrmOrvant window(state, platform, orvant::Folders {argv[1]});
    window.show();
    QApplication::processEvents();
    std::printf("start-up to shown window: %.1f ms\n", millisecondsSince(processStart));

    const QString capture = QString::fromLocal8Bit(argv[2]);
    std::vector<double> loads;
    long rssAfterFirst = 0;
    for (int i = 0; i < 1000; ++i) {
        const auto start = Clock::now();
        window.filDatei_Click(capture.toStdString());
        loads.push_back(millisecondsSince(start));
        if (i == 0)
            rssAfterFirst = statusKilobytes("VmRSS:");
        if (i == 99 || i == 999)
            std::printf("RSS after 1 load: %ld kB, after %d loads: %ld kB (peak %ld kB)\n",
                        rssAfterFirst, i + 1, statusKilobytes("VmRSS:"), statusKilobytes("VmHWM:"));
    }
    std::sort(loads.begin(), loads.end());
    std::printf("load, click to curve drawn: median %.3f ms, min %.3f ms, max %.3f ms\n",
                loads[loads.size() / 2], loads.front(), loads.back());
    std::printf("messages shown: %zu\n", platform.messages.size());
    if (!platform.messages.empty())
        std::printf("first message: %s\n", platform.messages.front().text.c_str());

    // A drag of the measuring cursors: each mouse move until the cursors are drawn.
    auto *cursors = window.findChild<QWidget *>(QStringLiteral("plotCursors"));
    timeDrag("cursor drag, mouse move to cursors drawn", cursors, cursors, {});

    // The zoom window drawing sin(x)/x: a pan draws the curves anew at every move, a
    // drag of its cursors draws them again as they were.
    for (QAction *action : cursors->actions()) {
        if (action->text().startsWith(QStringLiteral("Zoom")))
            action->trigger();
    }
    auto *zoom = window.findChild<orvant::ZoomWindow *>();
    auto *choice = zoom->findChild<QComboBox *>(QStringLiteral("zoomInterpolation"));
    choice->setCurrentIndex(2);
    emit choice->activated(2);
    QTest::keyClick(zoom->plot(), Qt::Key_Plus); // room to pan
    QApplication::processEvents();
    QWidget *zoomCursors = zoom->findChild<QWidget *>(QStringLiteral("zoomCursors"));
    timeDrag("zoom, sin(x)/x, pan", zoomCursors, zoom->plot(), {});
    timeDrag("zoom, sin(x)/x, cursor drag", zoomCursors, zoom->plot(), Qt::ControlModifier);
    return 0;
}
