#pragma once

#include "AnalysisTable.h"
#include "Translated.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <vector>

// The rows of the shown table: the inputs' bits, then every output's value, differing cells red. A
// row that does not settle shows ~; a row that depends on the rows run before it shows what a fresh
// start gives, marked *, with the loop that keeps the state in its tooltip.
class TTruthTableModel : public QAbstractTableModel {
public:
    explicit TTruthTableModel(QObject* parent) : QAbstractTableModel(parent) {}

    void Reset(const TAnalysisTable* table, const std::vector<TTableDifference>* differences)
    {
        beginResetModel();
        table_ = table;
        differing_.clear();
        if (differences)
            for (const TTableDifference& d : *differences) differing_.push_back(Key(d.Row, d.Output));
        std::sort(differing_.begin(), differing_.end());
        endResetModel();
    }
    void Changed(int row, int column) { emit dataChanged(index(row, column), index(row, column)); }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !table_ ? 0 : 1 << table_->Inputs.size();
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !table_ ? 0 : static_cast<int>(table_->Inputs.size() + table_->Outputs.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (!table_ || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
        if (orientation == Qt::Vertical) {
            const uint32_t row = static_cast<uint32_t>(section);
            const TAnalysisTable::THistoryRow* history = table_->HistoryAt(row);
            if (role == Qt::ToolTipRole) return history ? HistoryTip(*history) : QVariant();
            return QString::number(section) + (Unsettled(row) ? QStringLiteral(" ~") : QString()) +
                   (history ? QStringLiteral(" *") : QString());
        }
        if (role != Qt::DisplayRole) return {};
        const size_t s = static_cast<size_t>(section), inputs = table_->Inputs.size();
        return QString::fromStdString(s < inputs ? table_->Inputs[s] : table_->Outputs[s - inputs]);
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!table_ || !index.isValid()) return {};
        const size_t column = static_cast<size_t>(index.column()), inputs = table_->Inputs.size();
        const uint32_t row = static_cast<uint32_t>(index.row());
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        if (column < inputs) {
            if (role == Qt::DisplayRole) return RowBit(row, inputs, column) ? QStringLiteral("1") : QStringLiteral("0");
            if (role == Qt::BackgroundRole) return QColor(238, 238, 238);
            return {};
        }
        const size_t output = column - inputs;
        const TLogicValue value = table_->Functions[output].At(row);
        // A row that did not settle shows ~, one that depends on the rows before what a fresh start
        // gives, while its value stays the don't-care it was given.
        const bool unsettled = value == TLogicValue::DontCare && Unsettled(row);
        const TAnalysisTable::THistoryRow* history =
            value == TLogicValue::DontCare && !unsettled ? table_->HistoryAt(row) : nullptr;
        if (role == Qt::BackgroundRole && std::binary_search(differing_.begin(), differing_.end(), Key(row, output)))
            return QColor(255, 180, 180);
        if (role == Qt::BackgroundRole && unsettled) return QColor(255, 240, 170);
        if (role == Qt::BackgroundRole && history) return QColor(200, 225, 255);
        if (role == Qt::ToolTipRole && unsettled) return QTr("The circuit does not settle at this row");
        if (role == Qt::ToolTipRole && history) return HistoryTip(*history);
        if (role != Qt::DisplayRole) return {};
        if (unsettled) return QStringLiteral("~");
        return Shown(history ? history->Fresh[output] : value) + (history ? QStringLiteral("*") : QString());
    }

private:
    static QString Shown(TLogicValue value)
    {
        return value == TLogicValue::One    ? QStringLiteral("1")
               : value == TLogicValue::Zero ? QStringLiteral("0")
                                            : QStringLiteral("X");
    }
    static QString HistoryTip(const TAnalysisTable::THistoryRow& history)
    {
        if (history.Loop.empty())
            return QTr("The outputs of this row depend on the rows run before it. Shown is a fresh start with the "
                       "row's inputs; the forms take it as a don't-care");
        QStringList names;
        for (const std::string& name : history.Loop) names << QString::fromStdString(name);
        return QTr("The outputs of this row depend on the rows run before it: the loop of %1 keeps a state. Shown is "
                   "a fresh start with the row's inputs; the forms take it as a don't-care")
            .arg(names.join(QStringLiteral(", ")));
    }
    bool Unsettled(uint32_t row) const
    {
        return std::binary_search(table_->Unsettled.begin(), table_->Unsettled.end(), row);
    }
    static uint64_t Key(uint32_t row, size_t output) { return (uint64_t{output} << 32) | row; }

    const TAnalysisTable* table_ = nullptr;
    std::vector<uint64_t> differing_;
};
