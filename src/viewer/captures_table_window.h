#pragma once

#include "measure/reference_difference.h"
#include "shared/folders.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTableView;

namespace orvant {

class CapturesScan;
class CapturesTableModel;
class Platform;
class TrendChart;

// "Captures Table": a row per file of the shown folder, summarised on worker threads
// as the rows come; sorted, filtered, summed up in a footer and charted. A double
// click or Enter on a row asks for its load as a click on its name would.
class CapturesTableWindow : public QWidget
{
    Q_OBJECT

public:
    CapturesTableWindow(Platform &platform, const Folders &folders, QWidget *parent);
    ~CapturesTableWindow() override;

    // The file list shows `names` of `folder`: a new folder starts over; in the same
    // folder, new files are summarised and rows of vanished ones go.
    void showFolder(const std::string &folder, const std::vector<std::string> &names);

    // Each capture compared with `reference` too, within the band the window's boxes
    // set; none: the table as without one. The folder is read again.
    void setReference(const std::optional<ReferenceCurve> &reference);

    CapturesTableModel &model() const { return *model_; }
    QTableView &view() const { return *view_; }
    bool scanning() const;

signals:
    void loadRequested(const QByteArray &name);
    // Every batch of rows has arrived (for those who wait for the table).
    void scanFinished();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildLayout();
    void rowsArrived(std::size_t done, std::size_t total);
    void filterChanged();
    void loadRow(int row);
    void loadSelected();
    void exportTable();
    void showColumnMenu(const QPoint &at);
    void refreshFooter();
    void refreshChart();
    void pickRows(const std::vector<int> &rows);
    std::vector<std::size_t> shownColumns() const;
    void fillChartColumns();
    void rescan();

    Platform &platform_;
    const Folders &folders_;
    CapturesTableModel *model_;
    CapturesScan *scan_;
    QLineEdit *filter_ = nullptr;
    QCheckBox *failedOnly_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QTableView *view_ = nullptr;
    QLabel *footer_ = nullptr;
    QComboBox *chartColumn_ = nullptr;
    TrendChart *chart_ = nullptr;
    QWidget *band_ = nullptr;
    QDoubleSpinBox *bandVolts_ = nullptr;
    QSpinBox *bandSamples_ = nullptr;
    std::string folder_;
    std::vector<std::string> names_; // as the file list showed them last
    std::optional<ReferenceCurve> referenceCurve_;
    std::shared_ptr<const ReferenceComparison> reference_;
};

} // namespace orvant
