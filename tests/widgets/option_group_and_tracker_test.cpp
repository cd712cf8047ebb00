// The two event sources of the windows on their own: option buttons used as push
// buttons, and the activation of the program's own windows.
#include "widgets/form_tracker.h"
#include "widgets/option_group.h"

#include <QApplication>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace orvant {
namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

QList<int> ids(const QSignalSpy &spy)
{
    QList<int> reported;
    for (const QList<QVariant> &call : spy)
        reported << call.at(0).toInt();
    return reported;
}

TEST(OptionGroup, ClickSpaceAndEnterReportTheIdArrowsOnlyMoveTheFocus)
{
    QWidget window;
    OptionGroup group(&window);
    QList<QRadioButton *> buttons;
    for (int id = 1; id <= 3; ++id) {
        buttons << new QRadioButton(QStringLiteral("option %1").arg(id), &window);
        buttons.back()->setGeometry(0, 30 * id, 200, 24);
        group.add(buttons.back(), id * 10);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(&group, &OptionGroup::optionClicked);

    QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(6, 12));
    QTest::keyClick(buttons[2], Qt::Key_Space);
    QTest::keyClick(buttons[0], Qt::Key_Return);
    EXPECT_EQ(ids(clicked), QList<int>({20, 30, 10}));

    buttons[0]->setFocus();
    QTest::keyClick(buttons[0], Qt::Key_Down);
    EXPECT_TRUE(buttons[1]->hasFocus());
    QTest::keyClick(buttons[1], Qt::Key_Up);
    QTest::keyClick(buttons[0], Qt::Key_Up); // wraps round
    EXPECT_TRUE(buttons[2]->hasFocus());
    EXPECT_EQ(clicked.size(), 3);

    // Selecting from code reports like a click, once; unselecting works though exclusive.
    group.unselect(buttons[0]);
    EXPECT_FALSE(buttons[0]->isChecked());
    group.selectLikeClick(buttons[1]);
    group.selectLikeClick(buttons[1]);
    EXPECT_EQ(ids(clicked), QList<int>({20, 30, 10, 20}));
    EXPECT_TRUE(buttons[1]->isChecked());
}

TEST(FormTracker, ActivatesAFormOnReturnFromAnotherFormOnly)
{
    FormTracker tracker;
    QWidget main;
    QWidget dialog;
    tracker.registerForm(&main);
    tracker.registerForm(&dialog);
    QSignalSpy activated(&tracker, &FormTracker::formActivated);
    const auto lastActivated = [&] {
        return activated.back().at(0).value<QWidget *>();
    };

    main.show();
    settle();
    ASSERT_EQ(activated.size(), 1); // first show
    EXPECT_EQ(lastActivated(), &main);

    // Another program and an unregistered box take the focus and give it back.
    QWindow other;
    other.show();
    other.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QWidget box;
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    settle();
    EXPECT_EQ(activated.size(), 1);

    // Another form of the program, then back.
    dialog.show();
    settle();
    tracker.bringToFront(&main);
    settle();
    ASSERT_EQ(activated.size(), 3);
    EXPECT_EQ(lastActivated(), &main);
    EXPECT_EQ(tracker.currentForm(), &main);
}

} // namespace
} // namespace orvant
