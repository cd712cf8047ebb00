// The pulse figures in the Measurements window: gated by the time cursors with the
// heading saying so, marked on the cursors' layer and never in the plot's picture, and
// named for screen readers.
#include "main_window_fixture.h"

#include "table/table_columns.h"
#include "viewer/captures_table_model.h"
#include "widgets/plot_cursors.h"

#include <QCheckBox>
#include <QTableWidget>

namespace orvant::test {
namespace {

class PulseWindow : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // Periods of 100 samples at 1 V and 1 mS per division: base 50, a rise over 10
        // sample intervals from sample 40 on, top 210 from 50, a fall from 90.
        CaptureBuilder trapezoid;
        for (int k = 1; k <= 512; ++k) {
            const int t = k % 100;
            trapezoid.samples[static_cast<std::size_t>(k - 1)] = t < 40 ? 50
                : t < 50                                                ? 50 + 16 * (t - 40)
                : t < 90                                                ? 210
                                                                        : 210 - 16 * (t - 90);
        }
        writeFile(captureFolder / "trapezoid.log", trapezoid.hexText());
        CaptureBuilder square;
        for (int k = 0; k < 512; ++k)
            square.samples[static_cast<std::size_t>(k)] = 131 + ((k / 25) % 2 ? 50 : -50);
        writeFile(captureFolder / "square.log", square.hexText());
        start();
        refreshFileList();
    }

    void openMeasurements()
    {
        QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
        settle();
        measurements = topLevel(QStringLiteral("measurements"));
        ASSERT_TRUE(measurements);
    }
    QTableWidget *pulse() const
    {
        return measurements->findChild<QTableWidget *>(QStringLiteral("pulseMeasurements"));
    }
    int rowOf(const char *name) const
    {
        const auto found = pulse()->findItems(QString::fromUtf8(name), Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name;
        return found.isEmpty() ? -1 : found.front()->row();
    }
    // The value and the reason beside it.
    std::pair<QString, QString> figure(const char *name) const
    {
        const int row = rowOf(name);
        return {pulse()->item(row, 1)->text(), pulse()->item(row, 2)->text()};
    }
    QString measurement(const char *name) const
    {
        return measurements->findChild<QLabel *>(QStringLiteral("measurement(%1)").arg(name))
            ->text();
    }
    QCheckBox *gate() const
    {
        return measurements->findChild<QCheckBox *>(QStringLiteral("betweenCursors"));
    }
    QLabel *heading() const
    {
        return measurements->findChild<QLabel *>(QStringLiteral("measuredSamples"));
    }
    void clickRow(const char *name, Qt::KeyboardModifiers modifiers = {})
    {
        QTableWidget *table = pulse();
        const QRect cell = table->visualItemRect(table->item(rowOf(name), 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, cell.center());
        settle();
    }
    // Cursors from pixel x `from` to `to` of the 733 x 585 plot.
    void spanCursors(int from, int to)
    {
        auto *cursors = child<PlotCursors>("plotCursors");
        QTest::mousePress(cursors, Qt::LeftButton, {}, QPoint(from, 100));
        QTest::mouseMove(cursors, QPoint(to, 300));
        QTest::mouseRelease(cursors, Qt::LeftButton, {}, QPoint(to, 300));
        settle();
    }

    QWidget *measurements = nullptr;
};

TEST_F(PulseWindow, BetweenCursorsMeasuresTheGatedSamplesAndTheHeadingSaysSo)
{
    clickFile("trapezoid.log");
    openMeasurements();
    EXPECT_FALSE(gate()->isVisible()); // no cursors yet
    EXPECT_FALSE(heading()->isVisible());
    EXPECT_EQ(figure("Rising edges").first, "5");
    EXPECT_EQ(figure("Rise time").first, QString::fromUtf8("160 µs"));
    EXPECT_EQ(measurement("Period"), "2 ms");

    // Pixels 184 to 261: x 260.4 to 369.4, samples 131 to 184, one rise and its top.
    spanCursors(184, 261);
    ASSERT_TRUE(gate()->isVisible());
    EXPECT_FALSE(gate()->isChecked());
    EXPECT_EQ(figure("Rising edges").first, "5"); // shown, not yet on
    QTest::mouseClick(gate(), Qt::LeftButton, {}, QPoint(6, gate()->height() / 2));
    settle();
    EXPECT_TRUE(gate()->isChecked());
    ASSERT_TRUE(heading()->isVisible());
    EXPECT_EQ(heading()->text(), QString::fromUtf8("Between 2.42 ms and 3.51 ms"));
    EXPECT_EQ(figure("Rising edges").first, "1");
    EXPECT_EQ(figure("Falling edges").first, "0");
    EXPECT_EQ(figure("Positive width"),
              std::make_pair(QString::fromUtf8("\u2014"), QStringLiteral("no falling edge")));
    EXPECT_EQ(figure("Rise time").first, QString::fromUtf8("160 µs"));
    EXPECT_EQ(measurement("Period"), QString::fromUtf8("\u2014")); // not two periods

    QTest::mouseClick(gate(), Qt::LeftButton, {}, QPoint(6, gate()->height() / 2));
    settle();
    EXPECT_FALSE(heading()->isVisible());
    EXPECT_EQ(figure("Rising edges").first, "5");

    QTest::mouseClick(gate(), Qt::LeftButton, {}, QPoint(6, gate()->height() / 2));
    settle();
    EXPECT_EQ(figure("Rising edges").first, "1");
    window->activateWindow(); // back to the plot's window, where Escape hides the cursors
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    QTest::keyClick(window.get(), Qt::Key_Escape); // the cursors go, and the gate with them
    settle();
    EXPECT_FALSE(gate()->isVisible());
    EXPECT_FALSE(heading()->isVisible());
    EXPECT_EQ(figure("Rising edges").first, "5");
}

TEST_F(PulseWindow, MarksComeAndGoOnTheCursorsLayerAndNeverInThePicture)
{
    clickFile("trapezoid.log");
    openMeasurements();
    const QImage picture = plot().image();
    const QImage shown = plot().grab().toImage();
    const auto *cursors = child<PlotCursors>("plotCursors");
    const QRgb orange = qRgb(230, 115, 0);
    EXPECT_EQ(countPixels(shown, orange), 0);

    clickRow("Rise time");
    EXPECT_EQ(cursors->marks().size(), 2u + 5 * 4); // two levels, each rise's points and lines
    const QImage marked = plot().grab().toImage();
    EXPECT_NE(marked, shown);
    EXPECT_GT(countPixels(marked, orange), 500);
    EXPECT_EQ(plot().image(), picture);

    clickRow("Rise time", Qt::ControlModifier); // deselected
    EXPECT_TRUE(cursors->marks().empty());
    EXPECT_EQ(plot().grab().toImage(), shown);

    clickRow("Top");
    ASSERT_EQ(cursors->marks().size(), 1u);
    EXPECT_EQ(cursors->marks()[0].y1, 210);
    clickFile("square.log"); // the marks follow the load
    ASSERT_EQ(cursors->marks().size(), 1u);
    EXPECT_EQ(cursors->marks()[0].y1, 181);

    measurements->close();
    settle();
    EXPECT_TRUE(cursors->marks().empty());
    // Neither marks nor cursors: what the plot shows is its picture.
    EXPECT_EQ(plot().grab().toImage(), plot().image().convertToFormat(QImage::Format_RGB32));
    openMeasurements();
    EXPECT_TRUE(pulse()->selectedItems().isEmpty());
    EXPECT_TRUE(cursors->marks().empty());
}

TEST_F(PulseWindow, EveryValueIsNamedWithItsFigureAndReason)
{
    clickFile("square.log");
    openMeasurements();
    const auto spoken = [this](const char *name) {
        return pulse()->item(rowOf(name), 1)->data(Qt::AccessibleTextRole).toString();
    };
    EXPECT_EQ(spoken("Rise time"),
              QString::fromUtf8("Rise time less than 20 µs, faster than one sample"));
    EXPECT_EQ(spoken("Slew rate"),
              QString::fromUtf8("Slew rate more than 158 kV/s, faster than one sample"));
    EXPECT_EQ(spoken("Top"), QString::fromUtf8("Top 1.98 V"));
    EXPECT_EQ(spoken("Overshoot"), QString::fromUtf8("Overshoot 0 %"));
    clickFile("sine.log"); // a flat line
    EXPECT_EQ(spoken("Fall time"), QString::fromUtf8("Fall time blank, no falling edge"));
    EXPECT_EQ(figure("Preshoot").second, "no edge");
    for (int row = 0; row < pulse()->rowCount(); ++row)
        EXPECT_FALSE(pulse()->item(row, 1)->data(Qt::AccessibleTextRole).toString().isEmpty());
}

TEST_F(PulseWindow, TheCapturesTableShowsTheFiguresInTheirUnits)
{
    const CaptureSummary square = summarizeCapture(captureFolder / "square.log", "square.log");
    const auto text = [&square](std::string_view name) {
        const auto columns = tableColumns();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c].name == name)
                return shownCellText(square, c);
        }
        ADD_FAILURE() << name;
        return QString();
    };
    EXPECT_EQ(text("slew_rate"), QString::fromUtf8("158 kV/s")); // the bound, named in limits
    EXPECT_EQ(text("limits"), "rise_time;fall_time;slew_rate");
    EXPECT_EQ(text("rise_time"), QString::fromUtf8("20 µs"));
    EXPECT_EQ(text("rise_edges"), "10");
    EXPECT_EQ(text("overshoot_percent"), "0 %");
}

} // namespace
} // namespace orvant::test
