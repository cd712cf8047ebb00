#include "viewer/pulse_table.h"

#include <QHeaderView>

namespace orvant {

namespace {

enum Column { Name, Value, Reason, ColumnCount };

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidgetItem *readOnlyItem()
{
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

QString accessibleValue(const PulseText &text)
{
    QString value = fromUtf8(text.text);
    // The sign of a bound in words, "—" as what it stands for.
    if (value.startsWith(QStringLiteral("< ")))
        value = QStringLiteral("less than ") + value.mid(2);
    else if (value.startsWith(QStringLiteral("> ")))
        value = QStringLiteral("more than ") + value.mid(2);
    else if (value == QStringLiteral("\u2014"))
        value = QStringLiteral("blank");
    QString spoken = fromUtf8(text.name) + QLatin1Char(' ') + value;
    if (!text.reason.empty())
        spoken += QStringLiteral(", ") + fromUtf8(text.reason);
    return spoken;
}

PulseTable::PulseTable(QWidget *parent)
    : QTableWidget(0, ColumnCount, parent)
{
    setObjectName(QStringLiteral("pulseMeasurements"));
    setAccessibleName(QStringLiteral("Pulse measurements"));
    setHorizontalHeaderLabels(
        {QStringLiteral("Pulse"), QStringLiteral("Value"), QStringLiteral("Reason")});
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PulseTable::selectionMoved);
}

void PulseTable::showFigures(const std::vector<PulseText> &texts)
{
    figures_.clear();
    for (const PulseText &text : texts)
        figures_.push_back(text.figure);
    setRowCount(static_cast<int>(texts.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const PulseText &text = texts[static_cast<std::size_t>(row)];
        for (int column = 0; column < ColumnCount; ++column) {
            if (!item(row, column))
                setItem(row, column, readOnlyItem());
        }
        item(row, Name)->setText(fromUtf8(text.name));
        item(row, Value)->setText(fromUtf8(text.text));
        item(row, Value)->setData(Qt::AccessibleTextRole, accessibleValue(text));
        item(row, Reason)->setText(fromUtf8(text.reason));
        item(row, Reason)
            ->setData(Qt::AccessibleTextRole,
                      text.reason.empty() ? QStringLiteral("no reason") : fromUtf8(text.reason));
    }
    fitToRows();
}

// Every row and column shown without scrolling; the window takes the table's size.
void PulseTable::fitToRows()
{
    resizeColumnsToContents();
    resizeRowsToContents();
    const int frame = 2 * frameWidth();
    setFixedSize(horizontalHeader()->length() + frame,
                 horizontalHeader()->sizeHint().height() + verticalHeader()->length() + frame);
}

void PulseTable::selectionMoved()
{
    const QModelIndexList rows = selectionModel()->selectedRows(Name);
    if (rows.isEmpty()) {
        emit figureChosen(std::nullopt);
        return;
    }
    emit figureChosen(figures_.at(static_cast<std::size_t>(rows.front().row())));
}

} // namespace orvant
