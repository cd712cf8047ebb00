// Grabs the windows as a user sees them, for a pixel comparison before and after
// a change that must not change what is shown: the main window after three loads
// in three colours, the override dialog of SEC/DIV, the main window with a value
// chosen there (red) and a fourth load over it, the background window, and the
// captures table, the spectrum, the zoom window and a reference on the plot (pictures
// for the README).
// Everything goes through the controls, as a user's clicks would.
// Runs offscreen: QT_QPA_PLATFORM=offscreen window_grabs <empty root folder> <out folder>
#include "fake_platform.h"
#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/captures_table_window.h"
#include "viewer/frm_orvant.h"
#include "viewer/sample_captures.h"
#include "viewer/spectrum_window.h"
#include "viewer/zoom_plot.h"
#include "viewer/zoom_window.h"
#include "widgets/look_and_feel.h"
#include "widgets/pic_curve.h"
#include "widgets/plot_cursors.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

QWidget *topLevel(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return widget;
    }
    return nullptr;
}

void clickFile(QWidget &window, int row)
{
    auto *list = window.findChild<QListWidget *>(QStringLiteral("filDatei"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    settle();
}

void clickOption(QWidget &window, const char *name)
{
    auto *button = window.findChild<QRadioButton *>(QString::fromUtf8(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    settle();
}

bool save(QWidget *widget, const std::filesystem::path &file)
{
    return widget && widget->grab().save(QString::fromStdString(file.string()));
}

// Opens the zoom window, draws as sin(x)/x and drags a rectangle with the right button
// around the first step of more than 15 codes after sample 60: a few samples either side, 45 codes
// either side of the centre line.
bool zoomOnFirstEdge(QWidget &window, const orvant::CurveTable &curve)
{
    for (QAction *action :
         window.findChild<orvant::PlotCursors *>(QStringLiteral("plotCursors"))->actions()) {
        if (action->text().startsWith(QStringLiteral("Zoom")))
            action->trigger();
    }
    settle();
    auto *zoom = window.findChild<orvant::ZoomWindow *>();
    if (!zoom)
        return false;
    auto *choice = zoom->findChild<QComboBox *>(QStringLiteral("zoomInterpolation"));
    choice->setCurrentIndex(2);
    emit choice->activated(2);
    int edge = 60; // past the record's start
    while (edge < orvant::kSampleCount
           && std::abs(curve.at(edge + 1).sampleValue - curve.at(edge).sampleValue) <= 15)
        ++edge;
    orvant::ZoomPlot *plot = zoom->plot();
    const double left = 72;
    const double width = plot->plotWidth();
    const auto xOf = [&](double sample) {
        return static_cast<int>(std::lround(left + (sample - 1) / 511.0 * width));
    };
    const double height = plot->height() - 34;
    const auto yOf = [&](double code) {
        return static_cast<int>(std::lround(10 + (255 - code) / 255 * height));
    };
    QTest::mousePress(plot, Qt::RightButton, {}, QPoint(xOf(edge - 6), yOf(176)));
    QTest::mouseRelease(plot, Qt::RightButton, {}, QPoint(xOf(edge + 12), yOf(86)));
    settle();
    // Cursors across the edge, spanned with Ctrl as a user would.
    const orvant::ZoomView view = plot->view();
    const auto at = [&](double sample, double code) {
        return QPoint(static_cast<int>(std::lround(orvant::xOfSample(view, sample))),
                      static_cast<int>(std::lround(orvant::yOfCode(view, code))));
    };
    auto *cursors = zoom->findChild<orvant::PlotCursors *>(QStringLiteral("zoomCursors"));
    const double low = curve.at(edge).sampleValue;
    const double high = curve.at(edge + 1).sampleValue;
    QTest::mousePress(cursors, Qt::LeftButton, Qt::ControlModifier, at(edge, low));
    QTest::mouseMove(cursors, at(edge + 1, high));
    QTest::mouseRelease(cursors, Qt::LeftButton, Qt::ControlModifier, at(edge + 1, high));
    settle();
    return plot->showsDots() && cursors->box().has_value();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_grabs ROOT OUT\n");
        return 2;
    }
    QApplication app(argc, argv);
    orvant::applyLookAndFeel(app);
    QApplication::setCursorFlashTime(0);
    const orvant::Folders folders {argv[1]};
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(folders.outputFolder());
    std::filesystem::create_directories(folders.pathFolder());
    std::filesystem::create_directories(out);
    orvant::installSampleCaptures(folders.outputFolder());
    std::ofstream(folders.pathFile(), std::ios::binary)
        << folders.outputFolder().string() << "/\r\n";

    orvant::test::FakePlatform platform;
    orvant::VarGlobal state;
    orvant::FrmOrvant window(state, platform, folders);
    window.show();
    window.activateWindow();
    bool saved = QTest::qWaitForWindowActive(&window);
    settle();
    clickFile(window, 3);
    clickOption(window, "optCH2");
    clickFile(window, 2);
    clickOption(window, "optCH3");
    clickFile(window, 0);
    saved = save(&window, out / "main.png") && saved;

    auto *label = window.findChild<QLabel *>(QStringLiteral("lblValue(109)"));
    QTest::mouseClick(label, Qt::LeftButton);
    settle();
    saved = save(topLevel("frm109"), out / "dialog.png") && saved;
    if (QWidget *dialog = topLevel("frm109")) {
        auto *option = dialog->findChild<QRadioButton *>(QStringLiteral("opt109(5)"));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        settle();
    }
    saved = save(&window, out / "main-override.png") && saved;
    clickFile(window, 1);
    saved = save(&window, out / "main-override-load.png") && saved;

    // The captures table of the sample folder, charting the peak to peak.
    for (QAction *action :
         window.findChild<orvant::PlotCursors *>(QStringLiteral("plotCursors"))->actions()) {
        if (action->text().startsWith(QStringLiteral("Captures Table")))
            action->trigger();
    }
    if (auto *table = window.findChild<orvant::CapturesTableWindow *>()) {
        while (table->scanning())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        if (auto *column = table->findChild<QComboBox *>())
            column->setCurrentText(QStringLiteral("peak_to_peak"));
        settle();
        saved = save(table, out / "captures-table.png") && saved;
        table->hide();
    }

    window.activateWindow();
    saved = QTest::qWaitForWindowActive(&window) && saved;
    clickOption(window, "optBack");
    saved = save(topLevel("frmBackground"), out / "background.png") && saved;
    saved = save(&window, out / "main-with-background.png") && saved;

    // The spectrum of the sine, last: a load of its own.
    clickOption(window, "optBack");
    clickFile(window, 3);
    for (QAction *action :
         window.findChild<orvant::PlotCursors *>(QStringLiteral("plotCursors"))->actions()) {
        if (action->text().startsWith(QStringLiteral("Spectrum")))
            action->trigger();
    }
    settle();
    saved = save(window.findChild<orvant::SpectrumWindow *>(), out / "spectrum.png") && saved;
    window.findChild<orvant::SpectrumWindow *>()->hide();

    // The square over the sine, zoomed to the square's first edge, drawn as sin(x)/x.
    clickOption(window, "optCH2");
    clickFile(window, 4);
    saved = zoomOnFirstEdge(window, state.curveTable) && saved;
    saved = save(window.findChild<orvant::ZoomWindow *>(), out / "zoom.png") && saved;
    window.findChild<orvant::ZoomWindow *>()->hide();
    window.findChild<orvant::PlotCursors *>(QStringLiteral("plotCursors"))->hideCursors();

    // The square kept as the reference and shown on the plot, the sine loaded after a
    // Clear Window.
    window.activateWindow();
    saved = QTest::qWaitForWindowActive(&window) && saved;
    for (QAction *action :
         window.findChild<orvant::PlotCursors *>(QStringLiteral("plotCursors"))->actions()) {
        if (action->text() == QStringLiteral("Set as Reference"))
            action->trigger();
        if (action->text() == QStringLiteral("Show Reference on Plot"))
            action->setChecked(true);
    }
    clickOption(window, "optClr");
    clickOption(window, "optCH3");
    clickFile(window, 3);
    QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
    settle();
    saved = save(window.findChild<orvant::PicCurve *>(), out / "reference.png") && saved;
    saved = save(topLevel("measurements"), out / "reference-measurements.png") && saved;
    std::printf("%s, %zu messages\n", saved ? "saved" : "NOT saved", platform.messages.size());
    return saved ? 0 : 1;
}
