#include "capture/capture_load.h"
#include "capture_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace orvant {
namespace {

namespace fs = std::filesystem;
using test::CaptureBuilder;

// Records the stages in order and what the program's state held at each.
class RecordedStages : public LoadStages
{
public:
    RecordedStages(const VarGlobal &state, int stopAtSample)
        : state_(state)
        , stopAtSample_(stopAtSample)
    {
    }
    void extensionWarning() override { events.push_back("warning"); }
    void failed(const LoadError &error) override
    {
        events.push_back("failed " + std::to_string(error.number));
    }
    void read(std::string_view field, const PreparedText &text) override
    {
        events.push_back("read " + std::to_string(field.size()));
        // Nothing of the program's state has changed yet.
        EXPECT_NE(state_.captureText, text);
        text_ = text;
    }
    void decoded(const DecodedSettings &settings) override
    {
        events.push_back("decoded " + settings.text(Parameter::ByteCount));
        EXPECT_EQ(state_.captureText, text_);
    }
    bool letEventsRun() override
    {
        ++samples;
        return samples != stopAtSample_;
    }

    std::vector<std::string> events;
    int samples = 0;

private:
    const VarGlobal &state_;
    int stopAtSample_;
    PreparedText text_;
};

class CaptureLoad : public ::testing::Test
{
protected:
    CaptureLoad()
    {
        CaptureBuilder earlier;
        earlier.samples.assign(kSampleCount, 0x11);
        earlier.count = "0100";
        std::stringbuf text(earlier.hexText());
        LoadStages quiet;
        EXPECT_EQ(loadCapture(text, *state, quiet, rows.get()), LoadEnd::Complete);
        *before = *state;
        *rowsBefore = *rows;
    }

    std::unique_ptr<VarGlobal> state = std::make_unique<VarGlobal>();
    std::unique_ptr<VarGlobal> before = std::make_unique<VarGlobal>();
    std::unique_ptr<ListRows> rows = std::make_unique<ListRows>();
    std::unique_ptr<ListRows> rowsBefore = std::make_unique<ListRows>();
    test::TempFolder folder;
};

TEST_F(CaptureLoad, StagesRunInOrderAndAFailureLeavesWhatWasDoneBeforeIt)
{
    const std::string capture = CaptureBuilder {}.hexText(); // every sample 80 hex
    fs::create_directory(folder.path() / "folder.log");
    const struct
    {
        std::string name;
        std::string content; // none: no file of that name
        int stopAtSample; // 0: never stopped
        LoadEnd end;
        std::vector<std::string> events;
        int samples; // samples converted
    } cases[] = {
        {"a.log", capture, 0, LoadEnd::Complete, {"read 2100", "decoded 1024"}, 512},
        {"a.LOG", capture, 0, LoadEnd::Complete, {"warning", "read 2100", "decoded 1024"}, 512},
        {"b.log", capture, 100, LoadEnd::Stopped, {"read 2100", "decoded 1024"}, 99},
        {"b.log", capture, 1, LoadEnd::Stopped, {"read 2100", "decoded 1024"}, 0},
        {"missing.log", {}, 0, LoadEnd::Failed, {"failed 53"}, 0},
        {"missing.txt", {}, 0, LoadEnd::Failed, {"warning", "failed 53"}, 0},
        {"empty.log", "\r\n \r\n", 0, LoadEnd::Failed, {"failed 62"}, 0},
        {"folder.log", {}, 0, LoadEnd::Failed, {"failed 75"}, 0},
    };
    for (const auto &c : cases) {
        *state = *before;
        *rows = *rowsBefore;
        const fs::path file = folder.path() / c.name;
        if (!c.content.empty())
            test::writeFile(file, c.content);
        RecordedStages stages(*state, c.stopAtSample);
        EXPECT_EQ(loadCapture(file, *state, stages, rows.get()), c.end) << c.name;
        EXPECT_EQ(stages.events, c.events) << c.name;

        const bool decoded = c.end != LoadEnd::Failed;
        EXPECT_EQ(state->captureText, decoded ? PreparedText(capture) : before->captureText)
            << c.name;
        EXPECT_EQ(state->byteCount, decoded ? 1024 : 256) << c.name;
        // The list row of Nr. 47, the byte count's second digit.
        EXPECT_EQ(rows->at(23).view().substr(6, 2), decoded ? "34" : "31") << c.name;
        for (int k = 1; k <= kSampleCount; ++k) {
            EXPECT_EQ(state->curveTable.at(k).sampleValue, k <= c.samples ? 0x80 : 0x11)
                << c.name << " sample " << k;
        }
    }
}

TEST_F(CaptureLoad, ATextInMemoryLoadsLikeAFileWithoutItsName)
{
    const std::string capture = CaptureBuilder {}.hexText();
    const auto file = test::writeFile(folder.path() / "c.txt", capture + "\r\n");
    const auto fromFile = std::make_unique<VarGlobal>();
    LoadStages quiet;
    ASSERT_EQ(loadCapture(file, *fromFile, quiet), LoadEnd::Complete);

    std::stringbuf text("\r\n" + capture + ",second");
    RecordedStages stages(*state, 0);
    EXPECT_EQ(loadCapture(text, *state, stages, rows.get()), LoadEnd::Complete);
    EXPECT_EQ(stages.events, (std::vector<std::string> {"read 2100", "decoded 1024"}));
    EXPECT_EQ(state->captureText, fromFile->captureText);
    EXPECT_EQ(state->byteTable.at(2109).rowText, fromFile->byteTable.at(2109).rowText);
    EXPECT_EQ(state->curveTable.at(512).rowText, fromFile->curveTable.at(512).rowText);

    // The next field is the next load; after it nothing is left to read.
    RecordedStages second(*state, 0);
    EXPECT_EQ(loadCapture(text, *state, second), LoadEnd::Complete);
    EXPECT_EQ(state->captureText.view().substr(0, 7), "second ");
    RecordedStages third(*state, 0);
    EXPECT_EQ(loadCapture(text, *state, third), LoadEnd::Failed);
    EXPECT_EQ(third.events, (std::vector<std::string> {"failed 62"}));
}

} // namespace
} // namespace orvant
