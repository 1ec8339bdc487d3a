// The sweep panel's table: one row per solved case, with the companion
// tool's columns, growing as rows arrive.
#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "runtime/numconv.h"
#include "study/records.h"
#include "study/strengthunit.h"
#include "study/sweeprow.h"

namespace colmara {

class SweepTableModel : public QAbstractTableModel {
  public:
    // settings: the number symbols the cells are shown with; must outlive
    // the model.
    explicit SweepTableModel(const FormatSettings& settings, QObject* parent = nullptr);

    // Empties the table for a sweep in `unit` (which names the columns).
    void Reset(StrengthUnit unit);
    void Append(const std::vector<SweepRow>& rows);
    // Whether Reset has been called: before it there is no table at all.
    bool HasTable() const { return hasTable_; }

    // Header and rows as the companion tool writes them (CSV, CR LF), or
    // the same cells tab-separated; empty while there is no table.
    std::string Text(TableFormat format) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const FormatSettings& settings_;
    StrengthUnit unit_ = StrengthUnit::Weight;
    Record header_;
    std::vector<Record> records_;
    bool hasTable_ = false;
};

}  // namespace colmara
