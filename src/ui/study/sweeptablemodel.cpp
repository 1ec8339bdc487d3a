#include "ui/study/sweeptablemodel.h"

namespace colmara {

SweepTableModel::SweepTableModel(const FormatSettings& settings, QObject* parent)
    : QAbstractTableModel(parent), settings_(settings) {}

void SweepTableModel::Reset(StrengthUnit unit) {
    beginResetModel();
    unit_ = unit;
    header_ = SweepRecord(SweepRow{}, unit);
    records_.clear();
    hasTable_ = true;
    endResetModel();
}

void SweepTableModel::Append(const std::vector<SweepRow>& rows) {
    if (rows.empty() || !hasTable_) return;
    const int first = static_cast<int>(records_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (const SweepRow& row : rows) records_.push_back(SweepRecord(row, unit_));
    endInsertRows();
}

std::string SweepTableModel::Text(TableFormat format) const {
    return hasTable_ ? TableText(header_, records_, format) : std::string();
}

int SweepTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int SweepTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant SweepTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const Cell& cell = records_[index.row()][index.column()];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (cell.number ? Qt::AlignRight : Qt::AlignLeft));
    if (role != Qt::DisplayRole || !cell.value) return {};
    QString text = QString::fromStdString(*cell.value);
    // Numbers are shown with the locale's symbol; the files keep '.'.
    if (cell.number)
        text.replace(QLatin1Char('.'), QString::fromStdString(settings_.decimalSeparator));
    return text;
}

QVariant SweepTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromLatin1(header_[section].key);
}

}  // namespace colmara
