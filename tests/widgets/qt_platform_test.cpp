#include "widgets/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace orvant {
namespace {

// Runs `inspect` on the box once it is open, then closes it with its button.
class BoxInspector
{
public:
    explicit BoxInspector(std::function<void(QMessageBox &)> inspect)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, inspect = std::move(inspect)] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll_.stop();
            inspect(*box);
            box->buttons().front()->click();
        });
        poll_.start(10);
    }

private:
    QTimer poll_;
};

TEST(QtPlatformMessage, OneOkButtonNoIconTitleAsGivenAndOneBreakPerLineEnd)
{
    const struct
    {
        const char *title;
        const char *text;
        const char *shown;
    } cases[] = {
        {"Message", "First.\n\rSecond.", "First.\nSecond."},
        {"ORVANT", "a\r\nb\rc\nd", "a\nb\nc\nd"},
    };
    for (const auto &c : cases) {
        bool inspected = false;
        const BoxInspector inspector([&](QMessageBox &box) {
            inspected = true;
            EXPECT_EQ(box.windowTitle(), c.title);
            EXPECT_EQ(box.text(), c.shown);
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
            ASSERT_EQ(box.buttons().size(), 1);
            EXPECT_EQ(box.standardButton(box.buttons().front()), QMessageBox::Ok);
        });
        QtPlatform().showMessage(c.title, c.text);
        EXPECT_TRUE(inspected) << c.text;
    }
}

} // namespace
} // namespace orvant
