#include "ProgressBars.h"

#include "exam/Percent.h"

#include <QApplication>
#include <QPainter>
#include <QTreeWidgetItem>

namespace form {

namespace {
double Share(int part, int whole)
{
    return whole == 0 ? 0.0 : static_cast<double>(part) / whole;
}
} // namespace

void SetProgressBar(QTreeWidgetItem& item, int column, const ProgressFigures& figures)
{
    item.setText(column, QString("%1% correct, %2% missed")
                             .arg(figures.ReadyPercent())
                             .arg(WholePercent(figures.missed, figures.questions)));
    item.setData(column, kCorrectShareRole, Share(figures.correct, figures.questions));
    item.setData(column, kMissedShareRole, Share(figures.missed, figures.questions));
    item.setData(column, kReadyPercentRole, figures.ReadyPercent());
}

void ProgressBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The cell's background and selection without its text, which the bar
    // says instead.
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    QStyle* style = plain.widget != nullptr ? plain.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);

    const QRect bar = option.rect.adjusted(3, 2, -3, -2);
    const double correct = index.data(kCorrectShareRole).toDouble();
    const double missed = index.data(kMissedShareRole).toDouble();
    const int correctWidth = static_cast<int>(bar.width() * correct + 0.5);
    const int missedWidth = static_cast<int>(bar.width() * missed + 0.5);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->setBrush(option.palette.color(QPalette::Base));
    painter->drawRect(bar.adjusted(0, 0, -1, -1));
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(60, 150, 70));
    painter->drawRect(bar.x(), bar.y(), correctWidth, bar.height());
    painter->setBrush(QColor(200, 60, 50));
    painter->drawRect(bar.x() + correctWidth, bar.y(), missedWidth, bar.height());
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(bar.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      QString("%1%").arg(index.data(kReadyPercentRole).toInt()));
    painter->restore();
}

QSize ProgressBarDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + 8));
    return size;
}

} // namespace form
