#include "fake_platform.h"

#include "override/override_dialog.h"
#include "override/override_dialogs.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace orvant::test {
namespace {

struct Choice
{
    int parameter;
    QString text;
    bool operator==(const Choice &) const = default;
};

void PrintTo(const Choice &choice, std::ostream *out)
{
    *out << choice.parameter << " \"" << choice.text.toStdString() << '"';
}

// A manager with a recording platform and recording main-window callbacks.
class OverrideDialogsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        dialogs.reset();
        QApplication::processEvents();
    }

    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    OverrideDialog &opened(int parameter)
    {
        dialogs->open(parameter);
        settle();
        OverrideDialog *dialog = dialogs->dialog(parameter);
        EXPECT_NE(dialog, nullptr) << parameter;
        return *dialog;
    }

    // A radio button reacts only on its indicator and text: click near its left edge.
    static void clickOption(QRadioButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        settle();
    }

    static std::vector<int> checkedOptions(const OverrideDialog &dialog)
    {
        std::vector<int> checked;
        for (int i = 0; i < dialog.optionCount(); ++i) {
            if (dialog.option(i)->isChecked())
                checked.push_back(i);
        }
        return checked;
    }

    FakePlatform platform;
    int mainWidthTwips = 18780; // 1252 pixels with its frame
    int widthReads = 0;
    std::vector<Choice> choices;
    std::vector<QString> registered;
    std::function<void()> duringChoice;
    std::unique_ptr<OverrideDialogs> dialogs = [this] {
        auto made = std::make_unique<OverrideDialogs>(platform, [this] {
            ++widthReads;
            return mainWidthTwips;
        });
        QObject::connect(made.get(), &OverrideDialogs::chosen, [this](int parameter, int option) {
            // As the label will show it.
            const QString text = dialogs->dialog(parameter)->writtenText(option);
            choices.push_back({parameter, text});
            if (duringChoice)
                duringChoice();
        });
        QObject::connect(made.get(), &OverrideDialogs::dialogCreated,
                         [this](QWidget *dialog) { registered.push_back(dialog->objectName()); });
        return made;
    }();
};

using ChooseAndReopen = OverrideDialogsTest;

TEST_F(ChooseAndReopen, ChoiceWritesHidesAndReopensWithNothingSelected)
{
    OverrideDialog &frm104 = opened(104);
    EXPECT_TRUE(frm104.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(checkedOptions(frm104).empty());

    clickOption(frm104.option(1));
    EXPECT_EQ(choices, (std::vector<Choice> {{104, "ON"}}));
    EXPECT_FALSE(frm104.isVisible());
    EXPECT_EQ(checkedOptions(frm104), std::vector<int> {1}); // until the next opening

    EXPECT_EQ(&opened(104), &frm104);
    EXPECT_TRUE(frm104.isVisible());
    EXPECT_TRUE(checkedOptions(frm104).empty());

    clickOption(frm104.option(1)); // the same again writes again
    EXPECT_EQ(choices, (std::vector<Choice> {{104, "ON"}, {104, "ON"}}));
    EXPECT_EQ(std::count(registered.begin(), registered.end(), "frm104"), 1);
}

TEST_F(ChooseAndReopen, WrittenTextDiffersFromAlignedCaption)
{
    clickOption(opened(109).option(19));
    clickOption(opened(109).option(0));
    clickOption(opened(101).option(7));
    clickOption(opened(102).option(3));
    clickOption(opened(109).option(4));
    const QString micro(QChar(0x00B5));
    EXPECT_EQ(choices,
              (std::vector<Choice> {{109, "0.1 S"},
                                    {109, "50 nS"},
                                    {101, "1 V"},
                                    {102, "CH1 OFF"},
                                    {109, "1 " + micro + "S"}}));
}

TEST_F(ChooseAndReopen, ChooseFromCodeSelectsLikeAClick)
{
    dialogs->open(123);
    dialogs->choose(123, 0);
    dialogs->choose(122, 0); // not opened: created hidden, chosen all the same
    EXPECT_EQ(choices, (std::vector<Choice> {{123, "YES"}, {122, "CH 2"}}));
    EXPECT_EQ(checkedOptions(*dialogs->dialog(122)), std::vector<int> {0});
    EXPECT_FALSE(dialogs->dialog(123)->isVisible());

    dialogs->choose(123, 2); // no such option
    dialogs->choose(123, -1);
    EXPECT_EQ(choices.size(), 2u);
}

using TwoDialogsOpen = OverrideDialogsTest;

TEST_F(TwoDialogsOpen, ChoiceInOneHidesBothAndWritesOnlyItsParameter)
{
    OverrideDialog &frm101 = opened(101);
    OverrideDialog &frm109 = opened(109);
    EXPECT_TRUE(frm101.isVisible());
    EXPECT_TRUE(frm109.isVisible());

    clickOption(frm101.option(2));
    EXPECT_EQ(choices, (std::vector<Choice> {{101, "20 mV"}}));
    EXPECT_FALSE(frm101.isVisible());
    EXPECT_FALSE(frm109.isVisible());
}

using FirstChoice = OverrideDialogsTest;

TEST_F(FirstChoice, CreatesAllDialogsHiddenInOrderBeforeWriting)
{
    OverrideDialog &frm110 = opened(110);
    for (int parameter = 101; parameter <= 123; ++parameter)
        EXPECT_EQ(dialogs->exists(parameter), parameter == 110) << parameter;

    std::vector<bool> visibleDuringChoice;
    duringChoice = [&] {
        for (int parameter = 101; parameter <= 123; ++parameter) {
            const OverrideDialog *dialog = dialogs->dialog(parameter);
            visibleDuringChoice.push_back(!dialog || dialog->isVisible());
        }
    };
    clickOption(frm110.option(1));

    EXPECT_EQ(choices, (std::vector<Choice> {{110, "ON"}}));
    EXPECT_EQ(visibleDuringChoice, std::vector<bool>(23, false));
    std::vector<QString> order {"frm110"};
    for (int parameter = 101; parameter <= 123; ++parameter) {
        if (parameter != 110)
            order.push_back("frm" + QString::number(parameter));
    }
    EXPECT_EQ(registered, order);
    for (int parameter = 101; parameter <= 123; ++parameter) {
        const OverrideDialog *dialog = dialogs->dialog(parameter);
        ASSERT_NE(dialog, nullptr) << parameter;
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->pos(), QPoint(1586, dialog->row().top / 15)) << parameter;
    }
}

TEST_F(FirstChoice, LaterOpeningKeepsThePlacementOfTheCreation)
{
    dialogs->choose(104, 0);
    const int reads = widthReads;
    mainWidthTwips = 9000;
    platform.screen.widthTwips = 12000;

    const OverrideDialog &frm123 = opened(123);
    EXPECT_EQ(widthReads, reads);
    EXPECT_EQ(frm123.pos(), QPoint(1586, 10250 / 15));
    EXPECT_EQ(registered.size(), 23u);
}

TEST_F(FirstChoice, MovedDialogKeepsItsPositionBetweenOpenings)
{
    OverrideDialog &frm116 = opened(116);
    frm116.move(40, 50);
    clickOption(frm116.option(2));
    EXPECT_EQ(opened(116).pos(), QPoint(40, 50));
}

using Placement = OverrideDialogsTest;

TEST_F(Placement, WideScreenRightOfTheCentredMainWindow)
{
    platform.screen = {1920 * 15, 1200 * 15};
    mainWidthTwips = 18780;
    const OverrideDialog &frm104 = opened(104);
    EXPECT_EQ(widthReads, 1);
    // (18780 + 28800) / 2 = 23790 twips; Top 4550 twips.
    EXPECT_EQ(frm104.pos(), QPoint(1586, 303));
    EXPECT_EQ(frm104.frameGeometry().topLeft(), QPoint(1586, 303));
    EXPECT_EQ(frm104.size(), QSize(327, 58));
}

TEST_F(Placement, NarrowScreenLeavesTheDialogBeyondItsEdge)
{
    platform.screen = {1024 * 15, 768 * 15};
    mainWidthTwips = 18780;
    const OverrideDialog &frm101 = opened(101);
    // (18780 + 15360) / 2 = 17070 twips, right of the 1024-pixel screen.
    EXPECT_EQ(frm101.pos(), QPoint(1138, 243));
    EXPECT_GT(frm101.pos().x(), 1024);
}

TEST_F(Placement, WidthsAreHalvedInFloatingPoint)
{
    platform.screen.widthTwips = 28799;
    mainWidthTwips = 18781; // halved as integers they would give 23789 twips
    EXPECT_EQ(opened(102).pos(), QPoint(23790 / 15, 3930 / 15));
}

using CloseThroughTitleBar = OverrideDialogsTest;

TEST_F(CloseThroughTitleBar, WritesNothingAndReopensPlacedAfreshWithNothingSelected)
{
    OverrideDialog &frm113 = opened(113);
    frm113.move(10, 20);
    frm113.option(2)->setChecked(true);
    EXPECT_TRUE(frm113.close());
    settle();
    EXPECT_FALSE(frm113.isVisible());
    EXPECT_TRUE(choices.empty());

    mainWidthTwips = 20000;
    EXPECT_EQ(&opened(113), &frm113);
    EXPECT_EQ(frm113.pos(), QPoint((10000 + 14400) / 15, 7250 / 15));
    EXPECT_TRUE(checkedOptions(frm113).empty());
    EXPECT_EQ(registered, std::vector<QString> {"frm113"});
}

TEST_F(CloseThroughTitleBar, ChoiceElsewherePlacesTheClosedDialogAgain)
{
    OverrideDialog &frm113 = opened(113);
    frm113.move(10, 20);
    frm113.close();
    mainWidthTwips = 20000;
    clickOption(opened(114).option(3)); // hiding the closed one loads it anew
    EXPECT_EQ(frm113.pos(), QPoint((10000 + 14400) / 15, 7250 / 15));

    mainWidthTwips = 30000;
    EXPECT_EQ(opened(113).pos(), QPoint((10000 + 14400) / 15, 7250 / 15));
    EXPECT_EQ(choices, (std::vector<Choice> {{114, "EXT"}}));
}

using LabelsWithoutDialog = OverrideDialogsTest;

TEST_F(LabelsWithoutDialog, OpenNothingAndChangeNothing)
{
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    for (const int parameter : {124, 125, 100, 126, 0, -1}) {
        dialogs->open(parameter);
        dialogs->choose(parameter, 0);
        EXPECT_EQ(dialogs->dialog(parameter), nullptr);
    }
    settle();
    for (int parameter = 101; parameter <= 123; ++parameter)
        EXPECT_FALSE(dialogs->exists(parameter)) << parameter;
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_TRUE(choices.empty());
    EXPECT_TRUE(registered.empty());
    EXPECT_EQ(widthReads, 0);
}

using Keyboard = OverrideDialogsTest;

TEST_F(Keyboard, ArrowsMoveTheFocusAndPressNothing)
{
    OverrideDialog &frm119 = opened(119);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm119));
    frm119.option(0)->setFocus();
    const std::vector<std::pair<int, int>> moves = {
        {Qt::Key_Down, 1}, {Qt::Key_Right, 2}, {Qt::Key_Down, 3}, {Qt::Key_Down, 0},
        {Qt::Key_Up, 3},   {Qt::Key_Left, 2},  {Qt::Key_Up, 1},
    };
    for (const auto &[key, focused] : moves) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        settle();
        EXPECT_EQ(QApplication::focusWidget(), frm119.option(focused)) << focused;
        EXPECT_TRUE(checkedOptions(frm119).empty());
    }
    EXPECT_TRUE(choices.empty());
    EXPECT_TRUE(frm119.isVisible());

    QTest::keyClick(frm119.option(1), Qt::Key_Space);
    settle();
    EXPECT_EQ(choices, (std::vector<Choice> {{119, "ENV"}}));
    EXPECT_FALSE(frm119.isVisible());
}

TEST_F(Keyboard, EnterChoosesTheFocusedOption)
{
    OverrideDialog &frm116 = opened(116);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm116));
    frm116.option(2)->setFocus();
    QTest::keyClick(frm116.option(2), Qt::Key_Return);
    settle();
    EXPECT_EQ(choices, (std::vector<Choice> {{116, "PRE"}}));
}

} // namespace
} // namespace orvant::test
