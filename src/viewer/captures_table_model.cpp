#include "viewer/captures_table_model.h"

#include "measure/pulse_measurements.h"
#include "measure/shown_scale.h"
#include "shared/folders.h"
#include "table/table_columns.h"
#include "table/table_formats.h"
#include "widgets/file_name_text.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <unordered_set>

namespace orvant {

namespace {

constexpr std::size_t kFileColumn = 0;
constexpr std::size_t kFirstSetting = 5;

bool isSetting(std::size_t column)
{
    return column >= kFirstSetting && column < kFirstSetting + kParameterCount;
}

// The unit a number of this column shows with; "" for a plain count.
std::string_view displayUnit(std::size_t column, const CaptureSummary &summary)
{
    const TableColumn &shown = tableColumns(true)[column];
    if (shown.unit != ColumnUnit::None)
        return unitOf(shown, summary);
    if (shown.name == "volts_per_div")
        return "V";
    if (shown.name == "seconds_per_div")
        return "s";
    return "";
}

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What a sort compares: failed rows after empty cells after values.
struct SortKey
{
    int rank = 0; // 0 a value, 1 an empty cell, 2 a failed row
    double number = 0;
    std::string text;
};

SortKey sortKey(const CaptureSummary &summary, std::size_t column)
{
    if (summary.error && column > 4)
        return {2, 0, {}};
    // Settings compare by their catalogue order, not by their texts.
    const TableCell cell = tableCell(summary, column);
    if (cell.kind == TableCell::Kind::Empty)
        return {1, 0, {}};
    if (isSetting(column)) {
        const Parameter parameter = kAllParameters[column - kFirstSetting];
        if (const auto value = summary.settings.values[parameter])
            return {0, static_cast<double>(*value), {}};
        if (parameter == Parameter::FrameNr)
            return {0, static_cast<double>(summary.settings.frameNumber), {}};
        if (parameter == Parameter::ByteCount)
            return {0, static_cast<double>(summary.settings.byteCount), {}};
    }
    switch (cell.kind) {
    case TableCell::Kind::Number:
        return {0, cell.number, {}};
    case TableCell::Kind::Flag:
        return {0, cell.flag ? 1.0 : 0.0, {}};
    default:
        return {0, 0, cell.text};
    }
}

bool before(const SortKey &a, const SortKey &b, bool ascending)
{
    if (a.rank != b.rank)
        return a.rank < b.rank; // the rank is never reversed
    if (a.rank != 0)
        return false;
    if (a.number != b.number)
        return ascending ? a.number < b.number : a.number > b.number;
    return ascending ? a.text < b.text : a.text > b.text;
}

// The file name of a row, as bytes: its file column is the folder joined with it.
std::string nameOf(const CaptureSummary &summary)
{
    return pathText(pathFromText(summary.file).filename());
}

} // namespace

QString shownCellText(const CaptureSummary &summary, std::size_t column)
{
    const TableCell cell = tableCell(summary, column);
    switch (cell.kind) {
    case TableCell::Kind::Empty:
        return {};
    case TableCell::Kind::Flag:
        return cell.flag ? QStringLiteral("Yes") : QStringLiteral("No");
    case TableCell::Kind::Text:
        return column == kFileColumn ? fileNameText(pathText(pathFromText(cell.text).filename()))
                                     : fromUtf8(cell.text);
    case TableCell::Kind::Number:
        break;
    }
    const std::string_view unit = displayUnit(column, summary);
    return unit.empty() ? fromUtf8(shortestNumber(cell.number))
                        : fromUtf8(engineeringRatio(cell.number, unit));
}

CapturesTableModel::CapturesTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int CapturesTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int CapturesTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(tableColumns(withReference_).size());
}

QVariant CapturesTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const std::string_view name = tableColumns(true)[static_cast<std::size_t>(section)].name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QVariant CapturesTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CaptureSummary &summary = shownSummary(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return shownCellText(summary, column);
    case Qt::ToolTipRole: {
        // The exact value, as the table's CSV writes it.
        const std::string exact = csvRow(summary, {column});
        return fromUtf8(exact.substr(0, exact.size() - 2));
    }
    case Qt::AccessibleTextRole:
        return isOutlier(column, summary)
            ? shownCellText(summary, column) + QStringLiteral(", outlier")
            : shownCellText(summary, column);
    case Qt::ForegroundRole:
        if (isOutlier(column, summary))
            return QBrush(QColor(192, 0, 0));
        return {};
    case Qt::TextAlignmentRole:
        if (tableColumns(true)[column].numeric)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

const ColumnStatistics *CapturesTableModel::statisticsOf(std::size_t column,
                                                         const CaptureSummary &summary) const
{
    const TableColumn &shown = tableColumns(true)[column];
    if (shown.unit == ColumnUnit::None)
        return nullptr;
    const std::string_view unit = unitOf(shown, summary);
    for (const ColumnStatistics &s : statistics_) {
        if (s.column == column && s.unit == unit)
            return &s;
    }
    return nullptr;
}

bool CapturesTableModel::isOutlier(std::size_t column, const CaptureSummary &summary) const
{
    const ColumnStatistics *s = summary.error ? nullptr : statisticsOf(column, summary);
    if (!s)
        return false;
    const TableCell cell = tableCell(summary, column);
    return cell.kind == TableCell::Kind::Number && s->isOutlier(cell.number);
}

void CapturesTableModel::clearRows(std::size_t expected, bool withReference)
{
    beginResetModel();
    withReference_ = withReference;
    rows_.clear();
    rows_.shrink_to_fit();
    rows_.reserve(expected);
    shown_.clear();
    statistics_.clear();
    endResetModel();
}

void CapturesTableModel::addRows(std::vector<CaptureSummary> &&summaries)
{
    const std::size_t first = rows_.size();
    for (CaptureSummary &summary : summaries)
        rows_.push_back(std::move(summary));
    std::vector<std::size_t> passing;
    for (std::size_t i = first; i < rows_.size(); ++i) {
        if (passes(rows_[i]))
            passing.push_back(i);
    }
    if (passing.empty())
        return;
    if (sortColumn_ < 0) {
        const int at = rowCount();
        beginInsertRows({}, at, at + static_cast<int>(passing.size()) - 1);
        shown_.insert(shown_.end(), passing.begin(), passing.end());
        endInsertRows();
        return;
    }
    emit layoutAboutToBeChanged();
    shown_.insert(shown_.end(), passing.begin(), passing.end());
    sortShown();
    emit layoutChanged();
}

void CapturesTableModel::removeNames(const std::vector<std::string> &names)
{
    const std::unordered_set<std::string> gone(names.begin(), names.end());
    beginResetModel();
    std::erase_if(rows_, [&](const CaptureSummary &row) { return gone.contains(nameOf(row)); });
    rebuildShown();
    endResetModel();
    refreshStatistics();
}

std::vector<std::string> CapturesTableModel::names() const
{
    std::vector<std::string> all;
    all.reserve(rows_.size());
    for (const CaptureSummary &row : rows_)
        all.push_back(nameOf(row));
    return all;
}

bool CapturesTableModel::passes(const CaptureSummary &row) const
{
    if (failedOnly_ && !row.error)
        return false;
    if (filter_.isEmpty())
        return true;
    if (fileNameText(nameOf(row)).contains(filter_, Qt::CaseInsensitive))
        return true;
    return std::any_of(kAllParameters.begin(), kAllParameters.end(), [&](Parameter parameter) {
        return fromUtf8(row.settings.text(parameter)).contains(filter_, Qt::CaseInsensitive);
    });
}

void CapturesTableModel::rebuildShown()
{
    shown_.clear();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (passes(rows_[i]))
            shown_.push_back(i);
    }
    if (sortColumn_ >= 0)
        sortShown();
}

void CapturesTableModel::sortShown()
{
    const auto column = static_cast<std::size_t>(sortColumn_);
    std::vector<std::pair<SortKey, std::size_t>> keyed;
    keyed.reserve(shown_.size());
    for (const std::size_t row : shown_)
        keyed.emplace_back(sortKey(rows_[row], column), row);
    const bool ascending = sortOrder_ == Qt::AscendingOrder;
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto &a, const auto &b) {
        return before(a.first, b.first, ascending);
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        shown_[i] = keyed[i].second;
}

void CapturesTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged();
    sortColumn_ = column;
    sortOrder_ = order;
    sortShown();
    emit layoutChanged();
}

void CapturesTableModel::setFilter(const QString &text, bool failedOnly)
{
    beginResetModel();
    filter_ = text;
    failedOnly_ = failedOnly;
    rebuildShown();
    endResetModel();
    refreshStatistics();
}

const CaptureSummary &CapturesTableModel::shownSummary(int row) const
{
    return rows_[shown_.at(static_cast<std::size_t>(row))];
}

std::string CapturesTableModel::shownName(int row) const
{
    return nameOf(shownSummary(row));
}

std::vector<const CaptureSummary *> CapturesTableModel::shownSummaries() const
{
    std::vector<const CaptureSummary *> summaries;
    summaries.reserve(shown_.size());
    for (const std::size_t row : shown_)
        summaries.push_back(&rows_[row]);
    return summaries;
}

void CapturesTableModel::refreshStatistics()
{
    statistics_ = tableStatistics(shownSummaries());
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole, Qt::AccessibleTextRole});
}

} // namespace orvant
