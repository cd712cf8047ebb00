// Times the Captures Table window by hand over a generated folder of N captures: from
// opening the window to the last row, the event loop's worst lateness meanwhile (a
// 10 ms timer), the resident memory per row held, and sorting all rows by a number.
// Runs offscreen: QT_QPA_PLATFORM=offscreen captures_table_timing N
#include "capture_builder.h"
#include "fake_platform.h"
#include "process_memory.h"
#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/captures_table_model.h"
#include "viewer/captures_table_window.h"
#include "viewer/frm_orvant.h"
#include "widgets/look_and_feel.h"
#include "widgets/plot_cursors.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void writeCaptures(const std::filesystem::path &folder, int count)
{
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        orvant::test::CaptureBuilder capture;
        for (int k = 0; k < 512; ++k)
            capture.samples[static_cast<std::size_t>(k)]
                = 131 + ((k + i) / 25 % 2 ? 50 : -50 + i % 7);
        char name[32];
        std::snprintf(name, sizeof name, "capture %06d.log", i);
        std::ofstream(folder / name, std::ios::binary) << capture.hexText() << "\r\n";
    }
}

} // namespace

int main(int argc, char **argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QApplication app(argc, argv);
    orvant::applyLookAndFeel(app);
    const orvant::test::TempFolder temp;
    const orvant::Folders folders {temp.path() / "ORVANT"};
    const auto captures = temp.path() / "captures";
    writeCaptures(captures, count);
    std::filesystem::create_directories(folders.pathFolder());
    std::filesystem::create_directories(folders.exportFolder());
    std::ofstream(folders.pathFile(), std::ios::binary) << captures.string() << "/\r\n";

    orvant::test::FakePlatform platform;
    orvant::VarGlobal state;
    orvant::FrmOrvant window(state, platform, folders);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();

    // The event loop's lateness: how much later than asked a 10 ms timer fires.
    double worstLateness = 0;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worstLateness = std::max(worstLateness, static_cast<double>(sinceTick.elapsed()) - 10.0);
        sinceTick.restart();
    });

    const auto opened = Clock::now();
    for (QAction *action :
         window.findChild<orvant::PlotCursors *>(QStringLiteral("plotCursors"))->actions()) {
        if (action->text().startsWith(QStringLiteral("Captures Table")))
            action->trigger();
    }
    QApplication::processEvents(); // its first paint
    const double shown = millisecondsSince(opened);
    const long before = orvant::test::residentKilobytes(); // the window itself aside
    // From here the rows arrive while the loop runs.
    sinceTick.start();
    tick.start(10);
    auto *table = window.findChild<orvant::CapturesTableWindow *>();
    if (!table)
        return 1;
    while (table->scanning() || table->model().rowCount() < count)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double complete = millisecondsSince(opened);
    tick.stop();
    const long peak = orvant::test::residentKilobytes();
    malloc_trim(0); // what the rows hold, not what passing work left in the heap
    const long after = orvant::test::residentKilobytes();

    const int maximum = 35; // the column `maximum`
    const auto sortStart = Clock::now();
    table->model().sort(maximum, Qt::DescendingOrder);
    const double sorted = millisecondsSince(sortStart);

    std::printf(
        "%d captures: window shown and painted %.0f ms after asking, table complete %.0f ms after "
        "asking, event loop late by %.0f ms at worst while rows arrived, %.0f bytes "
        "resident per row held (%.0f at the peak), sort by maximum %.1f ms\n",
        count, shown, complete, worstLateness, 1024.0 * static_cast<double>(after - before) / count,
        1024.0 * static_cast<double>(peak - before) / count, sorted);
    return 0;
}
