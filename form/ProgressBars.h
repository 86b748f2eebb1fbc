#pragma once
// The bar column of the progress table: each row's share correct (green)
// and still missed (red) of its questions, drawn with the percentage on it.
// The cell's text says the same in words, for a screen reader and for
// sorting.

#include "exam/Progress.h"

#include <QStyledItemDelegate>

class QTreeWidgetItem;

namespace form {

// Item data roles of the bar column.
constexpr int kCorrectShareRole = Qt::UserRole + 1;
constexpr int kMissedShareRole = Qt::UserRole + 2;
constexpr int kReadyPercentRole = Qt::UserRole + 3;

// Fills the bar column of item from figures.
void SetProgressBar(QTreeWidgetItem& item, int column, const ProgressFigures& figures);

class ProgressBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace form
