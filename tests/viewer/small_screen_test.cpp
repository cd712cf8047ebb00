#include "main_window_fixture.h"

#include "viewer/main_window_layout.h"
#include "widgets/twips.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

#include <vector>

namespace orvant::test {
namespace {

QScreen *screenNamed(const char *name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name))
            return screen;
    }
    return nullptr;
}

// Runs on a primary screen of 1280 x 720 (a 1920 x 1080 screen at 150 %), with a
// large screen of 1920 x 1200 to its right.
class SmallScreen : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        laptop = screenNamed("laptop");
        large = screenNamed("large");
        ASSERT_TRUE(laptop && large) << "run on the small-screen configuration";
        ASSERT_EQ(QGuiApplication::primaryScreen(), laptop);
        platform.screen = {1280 * 15, 720 * 15};
    }

    QScrollArea *scrollArea() const { return window->findChild<QScrollArea *>(); }
    QWidget *viewport() const { return scrollArea()->viewport(); }

    void moveTo(QScreen *screen, QPoint offset)
    {
        window->windowHandle()->setScreen(screen);
        window->move(screen->geometry().topLeft() + offset);
        settle();
    }

    // The control lies wholly inside the part of the layout the viewport shows.
    bool shown(const QWidget *control) const
    {
        const QRect where(control->mapTo(viewport(), QPoint(0, 0)), control->size());
        return viewport()->rect().contains(where);
    }

    QImage layoutOnLargeScreen()
    {
        moveTo(large, {100, 100});
        EXPECT_EQ(scrollArea(), nullptr);
        const QImage image = window->grab().toImage();
        moveTo(laptop, {0, 0});
        return image;
    }

    QScreen *laptop = nullptr;
    QScreen *large = nullptr;
};

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return count;
}

TEST_F(SmallScreen, WindowTakesTheScreensHeightAndScrollsDownOnly)
{
    start();
    const QMargins frame = window->windowHandle()->frameMargins();
    ASSERT_FALSE(frame.isNull());
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Whole layout width beside a vertical bar; the screen's height less the frame.
    EXPECT_EQ(window->size(), QSize(1234 + bar, 720 - frame.top() - frame.bottom()));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    ASSERT_NE(scrollArea(), nullptr);
    EXPECT_EQ(viewport()->size(), QSize(1234, window->height()));
    EXPECT_FALSE(scrollArea()->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scrollArea()->verticalScrollBar()->isVisible());
    EXPECT_EQ(scrollArea()->verticalScrollBar()->maximum(), 783 - viewport()->height());

    // Centred by its real outer size, the frame lies inside the screen.
    const QRect outer = window->frameGeometry();
    EXPECT_TRUE(QRect(0, 0, 1280, 720).contains(outer)) << outer.x() << "," << outer.y();
    EXPECT_EQ(outer.topLeft(), QPoint((1280 - outer.width()) / 2, (720 - outer.height()) / 2));

    // Nothing scaled: every control keeps its size and place within the layout.
    for (const ControlSpec &row : mainWindowControls()) {
        const QWidget *control = child<QWidget>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget(), scrollArea()->widget()) << row.name;
        EXPECT_EQ(control->geometry(), twipsRect(row.left, row.top, row.width, row.height))
            << row.name;
        EXPECT_TRUE(control->isVisibleTo(window.get())) << row.name;
    }
}

TEST_F(SmallScreen, CentringAndTheBackgroundToggleKeepTheFrameInsideAndTopLeftStillMove)
{
    start();
    const QRect screen(0, 0, 1280, 720);
    child<QLineEdit>("txtTop")->setText(QStringLiteral("-1500"));
    child<QLineEdit>("txtLeft")->setText(QStringLiteral("3000"));
    settle();
    // The user's choice, even with the title bar above the screen.
    EXPECT_EQ(window->pos().x(), 200);
    EXPECT_LT(window->frameGeometry().top(), 0);

    for (const char *name : {"optCentre", "optBack", "optBack"}) {
        QRadioButton *button = option(name);
        button->setFocus(Qt::TabFocusReason);
        settle();
        ASSERT_TRUE(shown(button)) << name;
        clickOption(button);
        const QRect outer = window->frameGeometry();
        EXPECT_TRUE(screen.contains(outer)) << name << " " << outer.x() << "," << outer.y();
        EXPECT_EQ(outer.topLeft(), QPoint((1280 - outer.width()) / 2, (720 - outer.height()) / 2))
            << name;
        window->move(300, -50);
    }
    EXPECT_EQ(option("optBack")->text(), "Show Background");

    // The free area of the layout is still the window's: the pointer fills Top and Left.
    window->move(45, 30);
    QTest::mouseMove(window.get(), QPoint(5, 5));
    settle();
    EXPECT_EQ(child<QLineEdit>("txtTop")->text(), "450");
    EXPECT_EQ(child<QLineEdit>("txtLeft")->text(), "675");
}

TEST_F(SmallScreen, EveryControlScrollsIntoViewWhenFocusedAndTabOrderIsKept)
{
    start();
    QScrollBar *down = scrollArea()->verticalScrollBar();
    int focusable = 0;
    for (const ControlSpec &row : mainWindowControls()) {
        auto *control = child<QWidget>(row.name);
        // Every control fits the viewport, so scrolling reaches all of it.
        EXPECT_LE(control->height(), viewport()->height()) << row.name;
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        ++focusable;
        for (const int from : {0, down->maximum()}) {
            down->setValue(from);
            if (QWidget *focused = QApplication::focusWidget())
                focused->clearFocus(); // so that the control gets the focus anew
            control->setFocus(Qt::TabFocusReason);
            settle();
            EXPECT_TRUE(shown(control)) << row.name << " from " << from;
        }
    }
    EXPECT_GE(focusable, 9); // lists, texts, an option of the group

    // A click focuses where it hits: the layout does not jump under the pointer.
    down->setValue(0);
    QTest::mouseClick(child<QWidget>("txtPath"), Qt::LeftButton);
    EXPECT_EQ(down->value(), 0);

    // The same tab order as on a large screen, each control scrolled into view.
    const auto tabOrder = [this](bool checkShown) {
        child<QWidget>("dirVerzeichnis")->setFocus(Qt::TabFocusReason);
        std::vector<QString> order;
        for (int step = 0; step < 100; ++step) {
            QWidget *focused = QApplication::focusWidget();
            if (!focused || (step > 0 && focused->objectName() == "dirVerzeichnis"))
                break;
            order.push_back(focused->objectName());
            if (checkShown) {
                EXPECT_TRUE(shown(focused)) << focused->objectName().toStdString();
            }
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        return order;
    };
    const std::vector<QString> scrolled = tabOrder(true);
    moveTo(large, {50, 50});
    const std::vector<QString> unscrolled = tabOrder(false);
    EXPECT_EQ(scrolled, unscrolled);
    EXPECT_GE(scrolled.size(), 8U);
}

TEST_F(SmallScreen, LayoutShowsTheSamePixelsAsOnALargeScreen)
{
    start();
    clickFile(QStringLiteral("sine.log"));
    overrideByClicks(106, 3); // a red value label
    window->activateWindow();
    settle();
    child<QWidget>("lstDaten")->setFocus(Qt::TabFocusReason);
    settle();

    const QImage large = layoutOnLargeScreen();
    ASSERT_EQ(large.size(), QSize(1234, 783));
    child<QWidget>("lstDaten")->setFocus(Qt::TabFocusReason);
    settle();
    // The whole layout, and what the viewport shows of it at either end.
    EXPECT_EQ(differingPixels(scrollArea()->widget()->grab().toImage(), large), 0);
    QScrollBar *down = scrollArea()->verticalScrollBar();
    for (const int offset : {0, down->maximum()}) {
        down->setValue(offset);
        settle();
        const QImage shownPart = viewport()->grab().toImage();
        EXPECT_EQ(
            differingPixels(shownPart, large.copy(QRect(QPoint(0, offset), viewport()->size()))), 0)
            << offset;
    }
}

TEST_F(SmallScreen, ChangeOfScreenAppliesTheRuleAgain)
{
    start();
    const QSize small = window->size();
    moveTo(large, {200, 100});
    EXPECT_EQ(window->size(), QSize(1234, 783));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(scrollArea(), nullptr);
    for (const ControlSpec &row : mainWindowControls())
        EXPECT_EQ(child<QWidget>(row.name)->parentWidget(), window.get()) << row.name;
    EXPECT_EQ(window->pos(), large->geometry().topLeft() + QPoint(200, 100)); // not moved

    moveTo(laptop, {10, 0});
    EXPECT_EQ(window->size(), small);
    ASSERT_NE(scrollArea(), nullptr);
    EXPECT_EQ(child<QWidget>("picCurve")->parentWidget(), scrollArea()->widget());
    EXPECT_TRUE(child<QWidget>("picCurve")->isVisibleTo(window.get()));
}

} // namespace
} // namespace orvant::test
