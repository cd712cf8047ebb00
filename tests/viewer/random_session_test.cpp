// A long seeded session of random user actions on the window, hostile files
// included, some arriving while a load lets pending events run. After every
// action the window must still hold what the program can produce.
#include "main_window_fixture.h"

#include "capture/settings_tables.h"
#include "decodable_texts.h"
#include "export/export_file.h"
#include "export_lines.h"
#include "override/override_dialog.h"
#include "override/override_dialogs.h"
#include "widgets/pic_curve.h"

#include <QRegularExpression>

#include <cstdlib>
#include <random>

namespace orvant::test {
namespace {

namespace fs = std::filesystem;

constexpr int kDefaultActions = 3000;
constexpr unsigned kDefaultSeed = 20261209;

// ORVANT_SESSION_SEED and ORVANT_SESSION_ACTIONS replay or lengthen a session.
unsigned sessionSetting(const char *name, unsigned fallback)
{
    const char *text = std::getenv(name);
    return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

// Every text the decoder or a dialog can write into value labels 101 to 123.
DecodableTexts writableTexts()
{
    DecodableTexts texts = decodableTexts();
    for (const auto &row : overrideRows()) {
        for (const auto &option : overrideOptions(row))
            texts.at(slotOf(row.parameter)).emplace(option.written);
    }
    return texts;
}

class RandomSession : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        random.seed(seed);
        writeCaptures();
        otherFolder = temp.path() / "other";
        fs::create_directories(otherFolder);
        writeFile(otherFolder / "sine.log", randomCapture().hexText());
        fifoFolder = temp.path() / "fifo";
        fs::create_directories(fifoFolder);
        ::mkfifo((fifoFolder / "sine.log").c_str(), 0600);
        platform.clock = localMoment(2026, 12, 9, 8, 0, 0);
    }

    CaptureBuilder randomCapture()
    {
        CaptureBuilder capture;
        for (auto &byte : capture.settings)
            byte = static_cast<unsigned char>(pick(256));
        capture.frame = hexPair(static_cast<unsigned char>(pick(256)));
        for (int &sample : capture.samples)
            sample = pick(256);
        return capture;
    }

    void writeCaptures()
    {
        for (int i = 0; i < 6; ++i)
            writeFile(captureFolder / ("random " + std::to_string(i) + ".log"),
                      randomCapture().hexText() + "\r\n");
        writeFile(captureFolder / "shifted.log", "4348" + CaptureBuilder {}.hexText());
        writeFile(captureFolder / "empty.log", "");
        writeFile(captureFolder / "blanks.log", "\r\n \t\r\n\n");
        writeFile(captureFolder / "nul and high.log", std::string(300, '\0') + "\xFF\x80\xC3");
        writeFile(captureFolder / "no extension", CaptureBuilder {}.hexText());
        writeFile(captureFolder / "a, \"b\" \xC3\xBC.log", CaptureBuilder {}.hexText());
        writeFile(captureFolder / "gone.log", CaptureBuilder {}.hexText());
        const fs::path endless = writeFile(captureFolder / "endless.log", "41");
        fs::resize_file(endless, std::uintmax_t {1} << 30);
        fs::create_directories(captureFolder / "sub");
        writeFile(captureFolder / "sub" / "deeper.log", randomCapture().hexText());
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool chance(int percent) { return pick(100) < percent; }

    // Actions

    void clickRandomFile()
    {
        QListWidget *list = fileList();
        if (list->count() == 0)
            return;
        QListWidgetItem *item = list->item(pick(list->count()));
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

    void moveInFileList()
    {
        fileList()->setFocus();
        QTest::keyClick(fileList(), chance(50) ? Qt::Key_Down : Qt::Key_Up);
    }

    void clickColour()
    {
        const char *names[] = {"optCH1", "optCH2", "optCH3", "optCH4"};
        clickOption(option(names[pick(4)]));
    }

    void clearWindow()
    {
        clickOption(option("optClr"));
        red.clear();
    }

    void toggleBackground()
    {
        clickOption(option("optBack"));
        red.clear(); // the toggle clears the window
    }

    void clickValueLabel() { QTest::mouseClick(valueLabel(101 + pick(25)), Qt::LeftButton); }

    std::vector<OverrideDialog *> visibleDialogs() const
    {
        std::vector<OverrideDialog *> shown;
        for (int parameter = kFirstOverride; parameter <= kLastOverride; ++parameter) {
            auto *dialog
                = qobject_cast<OverrideDialog *>(topLevel(QStringLiteral("frm%1").arg(parameter)));
            if (dialog && dialog->isVisible())
                shown.push_back(dialog);
        }
        return shown;
    }

    void chooseOverride()
    {
        const auto shown = visibleDialogs();
        if (shown.empty()) {
            const int parameter = kFirstOverride + pick(kOverrideCount);
            const int options = static_cast<int>(overrideOptions(*overrideRow(parameter)).size());
            overrideByClicks(parameter, pick(options));
            red.insert(parameter);
            return;
        }
        OverrideDialog *dialog
            = shown[static_cast<std::size_t>(pick(static_cast<int>(shown.size())))];
        clickOption(dialog->option(pick(dialog->optionCount())));
        red.insert(dialog->parameter());
    }

    void closeDialog()
    {
        const auto shown = visibleDialogs();
        if (!shown.empty())
            shown[static_cast<std::size_t>(pick(static_cast<int>(shown.size())))]->close();
    }

    void exportData()
    {
        if (chance(5))
            fs::remove_all(folders.exportFolder()); // the folder vanished: reported
        else
            fs::create_directories(folders.exportFolder());
        platform.clock += std::chrono::seconds(pick(3)); // 0: the same second again
        const std::size_t messagesBefore = platform.messages.size();
        const bool enabled = option("optDataExp")->isEnabled();
        clickOption(option("optDataExp"));
        if (!enabled || loading) {
            EXPECT_EQ(platform.messages.size(), messagesBefore);
            return;
        }
        ASSERT_EQ(platform.messages.size(), messagesBefore + 1);
        const ExportTime time = ExportTime::at(platform.clock);
        const fs::path file = exportFileName(folders.exportFolder(), time);
        const std::string &text = platform.messages.back().text;
        if (text == exportCreatedMessage(file)) {
            expectCompleteExport(file);
        } else {
            EXPECT_TRUE(text.starts_with("The Data File  < " + file.string()
                                         + " >  could not be created: "))
                << text;
            EXPECT_FALSE(fs::exists(file));
        }
    }

    void navigate()
    {
        const fs::path targets[] = {captureFolder, captureFolder / "sub", otherFolder, temp.path()};
        window->dirVerzeichnis_Change(targets[pick(4)].string());
    }

    void typeInto(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void typePosition()
    {
        const QStringList texts {"0",    "1500", "-1500", "99999999999", "abc", "1e4",
                                 " 300", "&H40", "12,5",  "-",           "",    "4.5E+2"};
        typeInto(child<QLineEdit>(chance(50) ? "txtTop" : "txtLeft"), texts[pick(texts.size())]);
    }

    void typePathText()
    {
        const QStringList texts {QString::fromStdString(captureFolder.string() + "/"),
                                 QString::fromStdString(captureFolder.string()),
                                 QString::fromStdString(fifoFolder.string() + "/"),
                                 QString::fromStdString(otherFolder.string() + "/"),
                                 "/no such folder/",
                                 "",
                                 "relative"};
        typeInto(pathText(), texts[pick(texts.size())]);
    }

    // One action; `duringLoad` leaves out what only makes sense between loads.
    void act(bool duringLoad)
    {
        switch (pick(duringLoad ? 9 : 14)) {
        case 0:
            return clickRandomFile();
        case 1:
            return clickColour();
        case 2:
            return clearWindow();
        case 3:
            return clickValueLabel();
        case 4:
            return chooseOverride();
        case 5:
            return exportData();
        case 6:
            return typePosition();
        case 7:
            return closeDialog();
        case 8:
            return toggleBackground();
        case 9:
        case 10:
            return clickRandomFile(); // loads are the heart of a session
        case 11:
            return moveInFileList();
        case 12:
            return chance(50) ? navigate() : typePathText();
        default:
            return clickOption(option("optCentre"));
        }
    }

    // Invariants

    void expectCompleteExport(const fs::path &file)
    {
        const std::string name = file.filename().string();
        // "ORVANT Data File yyyy-MM-dd hh-mm-ss.txt"
        const QRegularExpression pattern(
            R"(^ORVANT Data File (\d{4}-\d{2}-\d{2}) (\d{2})-(\d{2})-(\d{2})\.txt$)");
        const auto match = pattern.match(QString::fromStdString(name));
        ASSERT_TRUE(match.hasMatch()) << "stray file " << name;
        const std::string date = match.captured(1).toStdString();
        const std::string time
            = (match.captured(2) + ":" + match.captured(3) + ":" + match.captured(4)).toStdString();
        const std::string content = readFile(file);
        EXPECT_EQ(exportLinesByLength(content, firstLineLength(date, time)).size(), 1581u) << name;
    }

    void expectExportFolderHoldsOnlyCompleteFiles()
    {
        if (!fs::exists(folders.exportFolder()))
            return;
        for (const auto &entry : fs::directory_iterator(folders.exportFolder()))
            expectCompleteExport(entry.path());
    }

    void expectConsistentWindow()
    {
        EXPECT_FALSE(loading);
        const int rows = byteList()->count();
        EXPECT_TRUE(rows == 0 || rows == kPairCount) << rows;
        // Enabled by a finished load, disabled again by each activation.
        if (option("optDataExp")->isEnabled()) {
            EXPECT_GT(loadsFinished, 0);
        }
        EXPECT_LE(plot().curveCount(), loadsFinished);
        for (int parameter = 101; parameter <= 125; ++parameter) {
            const QString text = valueText(parameter);
            const bool known = text.isEmpty()
                || (parameter >= 124
                        ? QRegularExpression(R"(^-?\d+$)").match(text).hasMatch()
                        : writable.at(static_cast<std::size_t>(parameter - kFirstParameter))
                              .contains(text.toStdString()));
            EXPECT_TRUE(known) << parameter << " " << text.toStdString();
            const QColor expected = red.contains(parameter) ? QColor(255, 0, 0) : QColor(Qt::black);
            EXPECT_EQ(valueColour(parameter), expected) << parameter;
        }
    }

    const unsigned seed = sessionSetting("ORVANT_SESSION_SEED", kDefaultSeed);
    const int actions = static_cast<int>(sessionSetting("ORVANT_SESSION_ACTIONS", kDefaultActions));
    std::mt19937 random;
    const DecodableTexts writable = writableTexts();
    std::set<int> red; // labels a choice turned red since the window was last cleared
    int loadsFinished = 0;
    fs::path otherFolder;
    fs::path fifoFolder;
};

TEST_F(RandomSession, ThousandsOfActionsKeepTheWindowConsistent)
{
    SCOPED_TRACE("seed " + std::to_string(seed));
    start();
    refreshFileList();
    fs::remove(captureFolder / "gone.log"); // still listed

    bool insideYield = false;
    int nestedLoads = 0;
    int actionsDuringLoads = 0;
    QObject::connect(window.get(), &FrmOrvant::loadFinished, [&] { ++loadsFinished; });
    QObject::connect(window.get(), &FrmOrvant::loadYielded, [&] {
        if (insideYield) {
            ++nestedLoads;
            return;
        }
        if (!chance(1))
            return;
        insideYield = true;
        ++actionsDuringLoads;
        act(true);
        insideYield = false;
    });

    for (int step = 0; step < actions; ++step) {
        SCOPED_TRACE("action " + std::to_string(step));
        act(false);
        settle();
        expectConsistentWindow();
        ASSERT_EQ(nestedLoads, 0);
        if (::testing::Test::HasFailure())
            break;
        if (step % 250 == 0)
            expectExportFolderHoldsOnlyCompleteFiles();
    }
    expectExportFolderHoldsOnlyCompleteFiles();
    EXPECT_EQ(platform.endCount, 0);
    RecordProperty("loads", loadsFinished);
    RecordProperty("actionsDuringLoads", actionsDuringLoads);
    RecordProperty("messages", static_cast<int>(platform.messages.size()));
    // The session did reach its corners.
    EXPECT_GT(loadsFinished, actions / 20);
    EXPECT_GT(actionsDuringLoads, 10);
    EXPECT_GT(platform.messages.size(), 10u);
}

} // namespace
} // namespace orvant::test
