// Item delegate that gives every row of a list the same fixed height.
#pragma once

#include <QStyledItemDelegate>

namespace colmara {

class FixedRowDelegate : public QStyledItemDelegate {
  public:
    FixedRowDelegate(int rowHeight, QObject* parent);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    int rowHeight_;
};

}  // namespace colmara
