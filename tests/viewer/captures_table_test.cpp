// The captures table through the window: rows following the folder, sorting,
// filtering, the footer, loads from the table as clicks would make them, the export.
#include "main_window_fixture.h"

#include "table/table_command.h"
#include "viewer/captures_table_model.h"
#include "viewer/captures_table_window.h"
#include "widgets/plot_cursors.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

#include <sstream>

namespace orvant::test {
namespace {

CaptureBuilder squareAt(unsigned char voltsCode, int height)
{
    CaptureBuilder capture;
    capture.settings[1] = voltsCode;
    for (int k = 0; k < 512; ++k)
        capture.samples[static_cast<std::size_t>(k)] = 131 + ((k / 25) % 2 ? height : -height);
    return capture;
}

class CapturesTable : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        writeFile(captureFolder / "b 10V.log", squareAt(0x41, 20).hexText()); // 10 V
        writeFile(captureFolder / "c 0.5V.log", squareAt(0x36, 40).hexText()); // 0.5 V
        writeFile(captureFolder / "d empty.log", "");
    }

    CapturesTableWindow *open()
    {
        menuEntry(QString::fromUtf8("Captures Table\u2026"))->trigger();
        auto *table
            = qobject_cast<CapturesTableWindow *>(topLevel(QStringLiteral("capturesTable")));
        EXPECT_NE(table, nullptr);
        if (table)
            waitForRows(*table);
        return table;
    }
    static void waitForRows(CapturesTableWindow &table)
    {
        for (int i = 0; i < 500 && table.scanning(); ++i)
            QTest::qWait(10);
        settle();
    }
    static QStringList column(CapturesTableWindow &table, int c)
    {
        QStringList texts;
        for (int row = 0; row < table.model().rowCount(); ++row)
            texts << table.model().index(row, c).data().toString();
        return texts;
    }
    static int columnNamed(CapturesTableWindow &table, const QString &name)
    {
        for (int c = 0; c < table.model().columnCount(); ++c) {
            if (table.model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == name)
                return c;
        }
        ADD_FAILURE() << name.toStdString();
        return 0;
    }
    void doubleClickRow(CapturesTableWindow &table, int row)
    {
        QTableView &view = table.view();
        const QRect cell = view.visualRect(table.model().index(row, 0));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell.center());
        settle();
    }
};

TEST_F(CapturesTable, RowsFollowTheFilesOfTheShownFolder)
{
    start();
    refreshFileList();
    CapturesTableWindow *table = open();
    ASSERT_TRUE(table);
    EXPECT_EQ(column(*table, 0),
              (QStringList {"b 10V.log", "c 0.5V.log", "d empty.log", "sine.log"}));
    EXPECT_EQ(column(*table, 3), (QStringList {"", "", "62", ""}));

    writeFile(captureFolder / "a new.log", squareAt(0x37, 30).hexText());
    std::filesystem::remove(captureFolder / "c 0.5V.log");
    refreshFileList();
    waitForRows(*table);
    EXPECT_EQ(column(*table, 0),
              (QStringList {"b 10V.log", "d empty.log", "sine.log", "a new.log"}));

    const auto elsewhere = temp.path() / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    writeFile(elsewhere / "only.log", squareAt(0x37, 30).hexText());
    window->dirVerzeichnis_Change(elsewhere.string());
    waitForRows(*table);
    EXPECT_EQ(column(*table, 0), (QStringList {"only.log"}));
}

TEST_F(CapturesTable, AReferenceAddsItsColumnsWithinTheBandTheWindowSets)
{
    start();
    refreshFileList();
    CapturesTableWindow *table = open();
    ASSERT_TRUE(table);
    const int plain = table->model().columnCount();
    clickFile("sine.log"); // flat at 128, 1 V a division
    menuEntry(QStringLiteral("Set as Reference"))->trigger();
    waitForRows(*table);
    ASSERT_EQ(table->model().columnCount(), plain + 3);
    const int rms = columnNamed(*table, "ref_rms_difference");
    const int largest = columnNamed(*table, "ref_max_difference");
    const int within = columnNamed(*table, "ref_within");
    // The 10 V square: 20 values either way, 25.25 a division, against -3 values at 1 V;
    // the 0.5 V one: 40 values.
    EXPECT_EQ(column(*table, largest), (QStringList {"8.04 V", "911 mV", "", "0 V"}));
    EXPECT_EQ(column(*table, rms).at(0), QStringLiteral("7.92 V"));
    EXPECT_EQ(column(*table, within), (QStringList {"No", "No", "", "Yes"}));

    auto *volts = table->findChild<QDoubleSpinBox *>();
    ASSERT_TRUE(volts && volts->isVisible());
    volts->setValue(0.92);
    emit volts->editingFinished();
    waitForRows(*table);
    EXPECT_EQ(column(*table, within), (QStringList {"No", "Yes", "", "Yes"}));

    menuEntry(QStringLiteral("Clear Reference"))->trigger();
    waitForRows(*table);
    EXPECT_EQ(table->model().columnCount(), plain);
    EXPECT_FALSE(volts->isVisible());
}

TEST_F(CapturesTable, SortsByCatalogueOrderAndValueFiltersAndSumsUp)
{
    start();
    refreshFileList();
    CapturesTableWindow *table = open();
    ASSERT_TRUE(table);
    const int volts = columnNamed(*table, "CH 1 VOLTS/DIV");
    const int maximum = columnNamed(*table, "maximum");
    table->view().sortByColumn(volts, Qt::AscendingOrder);
    EXPECT_EQ(column(*table, volts), (QStringList {"0.5 V", "1 V", "10 V", ""}));
    EXPECT_EQ(column(*table, 0).back(), "d empty.log"); // failed rows last
    table->view().sortByColumn(volts, Qt::DescendingOrder);
    EXPECT_EQ(column(*table, volts), (QStringList {"10 V", "1 V", "0.5 V", ""}));
    table->view().sortByColumn(maximum, Qt::AscendingOrder);
    // 128 - 131 units at 1 V, 40 units at 0.5 V, 20 units at 10 V
    EXPECT_EQ(column(*table, maximum),
              (QStringList {QString::fromUtf8("-119 mV"), QString::fromUtf8("792 mV"),
                            QString::fromUtf8("7.92 V"), ""}));
    EXPECT_EQ(table->model().index(1, maximum).data(Qt::ToolTipRole).toString(),
              "0.7920792079207921");

    const QString footer = table->findChild<QLabel *>(QStringLiteral("capturesFooter"))->text();
    EXPECT_TRUE(footer.contains(QString::fromUtf8("maximum (V): n 3, mean 2.86 V")))
        << footer.toStdString();

    auto *filter = table->findChild<QLineEdit *>();
    QTest::keyClicks(filter, "10V");
    EXPECT_EQ(column(*table, 0), (QStringList {"b 10V.log"}));
    filter->clear();
    QTest::keyClicks(filter, "0.5 V"); // a settings text
    EXPECT_EQ(column(*table, 0), (QStringList {"c 0.5V.log"}));
    filter->clear();
    table->findChild<QCheckBox *>()->setChecked(true);
    EXPECT_EQ(column(*table, 0), (QStringList {"d empty.log"}));
}

TEST_F(CapturesTable, ADoubleClickLoadsAsAClickOnTheFileName)
{
    start();
    refreshFileList();
    clickFile("sine.log");
    clickFile("c 0.5V.log");
    const QImage clicked = plot().image();
    const QStringList labels = [this] {
        QStringList texts;
        for (int p = 101; p <= 125; ++p)
            texts << valueText(p);
        return texts;
    }();
    const QString current = fileList()->currentItem()->text();
    clickOption(option("optClr"));
    clickFile("sine.log");

    CapturesTableWindow *table = open();
    ASSERT_TRUE(table);
    doubleClickRow(*table, 1); // c 0.5V.log
    EXPECT_EQ(plot().image(), clicked);
    EXPECT_EQ(fileList()->currentItem()->text(), current);
    for (int p = 101; p <= 125; ++p)
        EXPECT_EQ(valueText(p), labels[p - 101]) << p;
    EXPECT_EQ(byteList()->count(), 1055);
}

TEST_F(CapturesTable, LoadSelectedDrawsWhatThatManyClicksDraw)
{
    start();
    refreshFileList();
    clickFile("b 10V.log");
    clickFile("c 0.5V.log");
    clickFile("sine.log");
    const QImage clicked = plot().image();
    clickOption(option("optClr"));

    CapturesTableWindow *table = open();
    ASSERT_TRUE(table);
    QItemSelectionModel *selection = table->view().selectionModel();
    for (const int row : {3, 0, 1}) // the order of selecting does not count
        selection->select(table->model().index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    for (QPushButton *button : table->findChildren<QPushButton *>()) {
        if (button->text() == "&Load Selected")
            QTest::mouseClick(button, Qt::LeftButton);
    }
    settle();
    EXPECT_EQ(plot().image(), clicked);
}

TEST_F(CapturesTable, TheExportedTableIsTheCommandLines)
{
    start();
    refreshFileList();
    CapturesTableWindow *table = open();
    ASSERT_TRUE(table);
    std::ostringstream expected;
    std::ostringstream errors;
    for (const auto &[format, extension] :
         {std::pair {TableFormat::Csv, ".csv"}, std::pair {TableFormat::Json, ".json"}}) {
        expected.str("");
        writeCapturesTable({window->findChild<FileList *>()->folder()}, format, expected, errors);
        platform.saveAnswer = (temp.path() / (std::string("table") + extension)).string();
        for (QPushButton *button : table->findChildren<QPushButton *>()) {
            if (button->text().startsWith("&Export"))
                QTest::mouseClick(button, Qt::LeftButton);
        }
        EXPECT_EQ(readFile(*platform.saveAnswer), expected.str()) << extension;
    }
    // Hidden columns are left out of the file.
    table->view().setColumnHidden(1, true);
    platform.saveAnswer = (temp.path() / "narrow.csv").string();
    for (QPushButton *button : table->findChildren<QPushButton *>()) {
        if (button->text().startsWith("&Export"))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(readFile(*platform.saveAnswer).substr(0, 27), "file,size_bytes,error,error");
}

} // namespace
} // namespace orvant::test
