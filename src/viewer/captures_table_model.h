#pragma once

#include "table/capture_summary.h"
#include "table/table_statistics.h"

#include <QAbstractTableModel>

#include <optional>
#include <string>
#include <vector>

namespace orvant {

// The captures of the shown folder as table rows: a summary per file, the rows that
// pass the filter in the order sorted, and the statistics of those rows.
class CapturesTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CapturesTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Numbers by value, settings by their catalogue order, texts as text; failed rows
    // and empty cells last either way.
    void sort(int column, Qt::SortOrder order) override;

    // Rows of a new folder come: every row goes; room for `expected` rows; with a
    // reference, its columns follow the others.
    void clearRows(std::size_t expected = 0, bool withReference = false);
    bool withReference() const { return withReference_; }
    void addRows(std::vector<CaptureSummary> &&summaries);
    // Rows whose files are gone.
    void removeNames(const std::vector<std::string> &names);
    // The file names of all rows, shown or not, as bytes.
    std::vector<std::string> names() const;

    // Rows whose file name or settings texts contain `text`; failed rows only.
    void setFilter(const QString &text, bool failedOnly);

    // The rows shown, in their order.
    const CaptureSummary &shownSummary(int row) const;
    std::string shownName(int row) const; // the file name, as bytes
    std::vector<const CaptureSummary *> shownSummaries() const;
    // Statistics of the rows shown; refreshed on demand (a folder's scan asks once done).
    const std::vector<ColumnStatistics> &statistics() const { return statistics_; }
    void refreshStatistics();

private:
    bool passes(const CaptureSummary &row) const;
    void rebuildShown();
    void sortShown();
    const ColumnStatistics *statisticsOf(std::size_t column, const CaptureSummary &summary) const;
    bool isOutlier(std::size_t column, const CaptureSummary &summary) const;

    std::vector<CaptureSummary> rows_;
    std::vector<std::size_t> shown_; // indices into rows_
    QString filter_;
    bool failedOnly_ = false;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    std::vector<ColumnStatistics> statistics_;
    bool withReference_ = false;
};

// How a cell shows: numbers in engineering notation with their unit ("1.25 kHz").
QString shownCellText(const CaptureSummary &summary, std::size_t column);

} // namespace orvant
