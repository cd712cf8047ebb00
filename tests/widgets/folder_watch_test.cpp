#include "capture_builder.h"
#include "widgets/folder_watch.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace orvant::test {

// Both ways of watching see a file written into the folder within about a second.
TEST(FolderWatch, NotifiesOrPollsAndSeesANewFile)
{
    for (const auto mode : {FolderWatch::Mode::Notify, FolderWatch::Mode::Poll}) {
        SCOPED_TRACE(mode == FolderWatch::Mode::Poll ? "poll" : "notify");
        TempFolder folder;
        FolderWatch watch(nullptr, mode);
        watch.watch(folder.path().string());
        EXPECT_EQ(watch.mode(), mode); // a local folder is notified when asked
        QSignalSpy changed(&watch, &FolderWatch::mayHaveChanged);
        writeFile(folder.path() / "new.log", "");
        EXPECT_TRUE(changed.wait(1500));
    }
    // A folder that cannot be watched is looked at every second.
    FolderWatch missing;
    missing.watch("/nonexistent folder");
    EXPECT_EQ(missing.mode(), FolderWatch::Mode::Poll);
}

} // namespace orvant::test
