#include "viewer/captures_table_window.h"

#include "measure/pulse_measurements.h"
#include "measure/shown_scale.h"
#include "shared/atomic_file.h"
#include "table/table_columns.h"
#include "table/table_formats.h"
#include "viewer/captures_scan.h"
#include "viewer/captures_table_model.h"
#include "viewer/trend_chart.h"
#include "widgets/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace orvant {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A count has no unit and no blank after its number.
QString valueText(double value, std::string_view unit)
{
    return fromUtf8(engineeringRatio(value, unit)).trimmed();
}

// "maximum (V): n 120, mean 1.2 V, sd 3 mV, min 1.1 V, max 1.3 V"; "rise_edges: n 120, ..."
QString statisticsLine(const ColumnStatistics &s)
{
    const std::string_view unit = s.unit;
    const QString column = fromUtf8(tableColumns(true)[s.column].name);
    return QStringLiteral("%1: n %2, mean %3, sd %4, min %5, max %6")
        .arg(unit.empty() ? column : column + QStringLiteral(" (") + fromUtf8(unit) + ')',
             QString::number(s.n), valueText(s.mean, unit),
             s.sd ? valueText(*s.sd, unit) : QStringLiteral("\u2014"), valueText(s.minimum, unit),
             valueText(s.maximum, unit));
}

} // namespace

CapturesTableWindow::CapturesTableWindow(Platform &platform, const Folders &folders,
                                         QWidget *parent)
    : QWidget(parent, Qt::Window)
    , platform_(platform)
    , folders_(folders)
    , model_(new CapturesTableModel(this))
    , scan_(new CapturesScan(
          [this](std::vector<CaptureSummary> &&rows, std::size_t done, std::size_t total) {
              model_->addRows(std::move(rows));
              rowsArrived(done, total);
          },
          this))
{
    setObjectName(QStringLiteral("capturesTable"));
    setWindowTitle(QStringLiteral("Captures Table"));
    resize(1100, 640);
    buildLayout();
}

CapturesTableWindow::~CapturesTableWindow() = default;

void CapturesTableWindow::buildLayout()
{
    filter_ = new QLineEdit(this);
    filter_->setPlaceholderText(QStringLiteral("Filter by file name or setting"));
    filter_->setAccessibleName(QStringLiteral("Filter"));
    failedOnly_ = new QCheckBox(QStringLiteral("&Failed only"), this);
    auto *loadSelected = new QPushButton(QStringLiteral("&Load Selected"), this);
    auto *exportButton = new QPushButton(QStringLiteral("&Export Table\u2026"), this);
    auto *columns = new QPushButton(QStringLiteral("&Columns\u2026"), this);
    progress_ = new QProgressBar(this);
    progress_->setAccessibleName(QStringLiteral("Captures summarised"));
    progress_->hide();

    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("capturesTableView"));
    view_->setAccessibleName(QStringLiteral("Captures"));
    view_->setModel(model_);
    // In the file list's order until the user sorts.
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->setSortingEnabled(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
    view_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->horizontalHeader()->resizeSection(0, 300); // room for a file name
    view_->horizontalHeader()->resizeSection(1, 190);

    footer_ = new QLabel(this);
    footer_->setObjectName(QStringLiteral("capturesFooter"));
    footer_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    footer_->setAccessibleName(QStringLiteral("Statistics"));
    chartColumn_ = new QComboBox(this);
    chartColumn_->setAccessibleName(QStringLiteral("Chart column"));
    fillChartColumns();
    chart_ = new TrendChart(this);

    // The band of a reference: shown while one is set.
    band_ = new QWidget(this);
    bandVolts_ = new QDoubleSpinBox(band_);
    bandVolts_->setAccessibleName(QStringLiteral("Band volts"));
    bandVolts_->setPrefix(QStringLiteral("\u00B1 "));
    bandVolts_->setSuffix(QStringLiteral(" V"));
    bandVolts_->setDecimals(4);
    bandVolts_->setRange(0, 1000);
    bandVolts_->setSingleStep(0.01);
    bandSamples_ = new QSpinBox(band_);
    bandSamples_->setAccessibleName(QStringLiteral("Band samples"));
    bandSamples_->setPrefix(QStringLiteral("\u00B1 "));
    bandSamples_->setSuffix(QStringLiteral(" samples"));
    bandSamples_->setRange(0, 511);
    auto *bandRow = new QHBoxLayout(band_);
    bandRow->setContentsMargins(0, 0, 0, 0);
    bandRow->addWidget(new QLabel(QStringLiteral("Reference band:"), band_));
    bandRow->addWidget(bandVolts_);
    bandRow->addWidget(bandSamples_);
    bandRow->addStretch(1);
    band_->hide();
    for (auto *box : std::initializer_list<QAbstractSpinBox *> {bandVolts_, bandSamples_})
        connect(box, &QAbstractSpinBox::editingFinished, this, [this] {
            const bool moved = reference_
                && (reference_->band.volts != bandVolts_->value()
                    || reference_->band.samples != bandSamples_->value());
            if (moved)
                setReference(referenceCurve_);
        });

    auto *controls = new QHBoxLayout;
    controls->addWidget(filter_, 1);
    controls->addWidget(failedOnly_);
    controls->addWidget(columns);
    controls->addWidget(loadSelected);
    controls->addWidget(exportButton);
    auto *chartRow = new QHBoxLayout;
    auto *chartSide = new QVBoxLayout;
    chartSide->addWidget(chartColumn_);
    chartSide->addWidget(footer_, 1);
    chartRow->addLayout(chartSide, 1);
    chartRow->addWidget(chart_, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(band_);
    layout->addWidget(progress_);
    layout->addWidget(view_, 1);
    layout->addLayout(chartRow);

    connect(filter_, &QLineEdit::textChanged, this, &CapturesTableWindow::filterChanged);
    connect(failedOnly_, &QCheckBox::toggled, this, &CapturesTableWindow::filterChanged);
    connect(loadSelected, &QPushButton::clicked, this, &CapturesTableWindow::loadSelected);
    connect(exportButton, &QPushButton::clicked, this, &CapturesTableWindow::exportTable);
    connect(columns, &QPushButton::clicked, this, [this, columns] {
        showColumnMenu(columns->mapTo(view_->horizontalHeader(), QPoint(0, columns->height())));
    });
    connect(view_->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            &CapturesTableWindow::showColumnMenu);
    connect(view_, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { loadRow(index.row()); });
    connect(model_, &QAbstractItemModel::layoutChanged, this, &CapturesTableWindow::refreshChart);
    connect(chartColumn_, &QComboBox::currentIndexChanged, this,
            &CapturesTableWindow::refreshChart);
    connect(chart_, &TrendChart::rowsPicked, this, &CapturesTableWindow::pickRows);
}

bool CapturesTableWindow::scanning() const
{
    return scan_->running();
}

void CapturesTableWindow::fillChartColumns()
{
    const QVariant chosen = chartColumn_->currentData();
    chartColumn_->clear();
    const auto all = tableColumns(model_->withReference());
    for (std::size_t c = 0; c < all.size(); ++c) {
        if (all[c].unit != ColumnUnit::None)
            chartColumn_->addItem(fromUtf8(all[c].name), static_cast<int>(c));
    }
    if (const int kept = chartColumn_->findData(chosen); kept >= 0)
        chartColumn_->setCurrentIndex(kept);
}

void CapturesTableWindow::setReference(const std::optional<ReferenceCurve> &reference)
{
    referenceCurve_ = reference;
    reference_ = reference ? std::make_shared<const ReferenceComparison>(
                     ReferenceComparison {*reference, {bandVolts_->value(), bandSamples_->value()}})
                           : nullptr;
    band_->setVisible(reference.has_value());
    rescan();
}

// Every row again, as of the folder's last listing.
void CapturesTableWindow::rescan()
{
    model_->clearRows(names_.size(), reference_ != nullptr);
    fillChartColumns();
    if (names_.empty()) {
        scan_->stop();
        rowsArrived(0, 0);
        return;
    }
    scan_->start(folder_, names_, reference_);
}

void CapturesTableWindow::showFolder(const std::string &folder,
                                     const std::vector<std::string> &names)
{
    names_ = names;
    if (folder != folder_ || (!scan_->running() && model_->rowCount() == 0)) {
        folder_ = folder;
        model_->clearRows(names.size(), reference_ != nullptr);
        if (names.empty()) {
            scan_->stop();
            rowsArrived(0, 0);
            return;
        }
        scan_->start(folder, names, reference_);
        return;
    }
    if (scan_->running())
        return; // the scan under way reads the folder as it was listed; a new listing follows
    const std::set<std::string> listed(names.begin(), names.end());
    const std::vector<std::string> heldNames = model_->names();
    const std::set<std::string> held(heldNames.begin(), heldNames.end());
    std::vector<std::string> added;
    for (const std::string &name : names) {
        if (!held.contains(name))
            added.push_back(name);
    }
    std::vector<std::string> gone;
    for (const std::string &name : heldNames) {
        if (!listed.contains(name))
            gone.push_back(name);
    }
    if (!gone.empty()) {
        model_->removeNames(gone);
        refreshFooter();
    }
    if (!added.empty())
        scan_->start(folder, added, reference_);
}

void CapturesTableWindow::rowsArrived(std::size_t done, std::size_t total)
{
    const QLocale locale;
    progress_->setRange(0, static_cast<int>(total));
    progress_->setValue(static_cast<int>(done));
    progress_->setFormat(QStringLiteral("%1 of %2")
                             .arg(locale.toString(static_cast<qulonglong>(done)),
                                  locale.toString(static_cast<qulonglong>(total))));
    progress_->setVisible(done < total);
    if (done == total) {
        model_->refreshStatistics();
        refreshFooter();
        emit scanFinished();
    }
}

void CapturesTableWindow::filterChanged()
{
    model_->setFilter(filter_->text(), failedOnly_->isChecked());
    refreshFooter();
}

void CapturesTableWindow::refreshFooter()
{
    QStringList lines;
    for (const ColumnStatistics &s : model_->statistics())
        lines << statisticsLine(s);
    int inDivisions = 0;
    for (const CaptureSummary *summary : model_->shownSummaries())
        inDivisions += !summary->error && !shownScale(summary->settings.values).volts.perDivision;
    if (inDivisions > 0)
        lines << QStringLiteral("%1 rows in divisions, counted apart").arg(inDivisions);
    footer_->setText(lines.join(QLatin1Char('\n')));
    refreshChart();
}

void CapturesTableWindow::refreshChart()
{
    const auto column = static_cast<std::size_t>(chartColumn_->currentData().toInt());
    // The unit most rows of the column are in; the others are left out.
    const ColumnStatistics *main = nullptr;
    for (const ColumnStatistics &s : model_->statistics()) {
        if (s.column == column && (!main || s.n > main->n))
            main = &s;
    }
    std::vector<std::optional<double>> values(static_cast<std::size_t>(model_->rowCount()));
    int outliers = 0;
    for (int row = 0; main && row < model_->rowCount(); ++row) {
        const CaptureSummary &summary = model_->shownSummary(row);
        const TableCell cell = tableCell(summary, column);
        if (cell.kind != TableCell::Kind::Number
            || unitOf(tableColumns(true)[column], summary) != main->unit)
            continue;
        values[static_cast<std::size_t>(row)] = cell.number;
        outliers += main->isOutlier(cell.number);
    }
    const QString name = chartColumn_->currentText();
    const QString summary = main
        ? QStringLiteral("%1: %2 values, mean %3, sd %4, %5 outliers")
              .arg(name, QString::number(main->n), valueText(main->mean, main->unit),
                   main->sd ? valueText(*main->sd, main->unit) : QStringLiteral("\u2014"),
                   QString::number(outliers))
        : QStringLiteral("%1: no values").arg(name);
    chart_->setSeries(std::move(values), summary);
}

void CapturesTableWindow::pickRows(const std::vector<int> &rows)
{
    view_->clearSelection();
    for (const int row : rows)
        view_->selectionModel()->select(model_->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!rows.empty())
        view_->scrollTo(model_->index(rows.front(), 0));
}

void CapturesTableWindow::loadRow(int row)
{
    if (row >= 0 && row < model_->rowCount())
        emit loadRequested(QByteArray::fromStdString(model_->shownName(row)));
}

void CapturesTableWindow::loadSelected()
{
    std::vector<int> rows;
    for (const QModelIndex &index : view_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end()); // in the table's order, as that many clicks would
    std::vector<QByteArray> names;
    for (const int row : rows)
        names.push_back(QByteArray::fromStdString(model_->shownName(row)));
    for (const QByteArray &name : names)
        emit loadRequested(name);
}

void CapturesTableWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && view_->hasFocus() && view_->currentIndex().isValid()) {
        loadRow(view_->currentIndex().row());
        return;
    }
    QWidget::keyPressEvent(event);
}

std::vector<std::size_t> CapturesTableWindow::shownColumns() const
{
    std::vector<std::size_t> columns;
    for (int c = 0; c < model_->columnCount(); ++c) {
        if (!view_->isColumnHidden(c))
            columns.push_back(static_cast<std::size_t>(c));
    }
    return columns;
}

void CapturesTableWindow::showColumnMenu(const QPoint &at)
{
    QMenu menu(this);
    for (int c = 0; c < model_->columnCount(); ++c) {
        QAction *action
            = menu.addAction(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        action->setCheckable(true);
        action->setChecked(!view_->isColumnHidden(c));
        connect(action, &QAction::toggled, this,
                [this, c](bool shown) { view_->setColumnHidden(c, !shown); });
    }
    menu.exec(view_->horizontalHeader()->mapToGlobal(at));
}

void CapturesTableWindow::exportTable()
{
    const std::string suggested = pathText(folders_.exportFolder() / "captures table.csv");
    const auto chosen = platform_.askSaveFileName("Export Table", suggested,
                                                  "CSV files (*.csv);;JSON files (*.json)");
    if (!chosen)
        return;
    const std::vector<std::size_t> columns = shownColumns();
    const bool json = chosen->ends_with(".json");
    std::string content = json ? jsonOpening() : csvHeader(columns);
    for (int row = 0; row < model_->rowCount(); ++row) {
        const CaptureSummary &summary = model_->shownSummary(row);
        content += json ? jsonRow(summary, columns, static_cast<std::size_t>(row))
                        : csvRow(summary, columns);
    }
    if (json)
        content += jsonClosing(static_cast<std::size_t>(model_->rowCount()));
    if (const auto failure = writeFileAtomically(pathFromText(*chosen), content))
        platform_.showMessage("Message",
                              "The file  < " + *chosen + " >  could not be saved: " + *failure);
}

} // namespace orvant
