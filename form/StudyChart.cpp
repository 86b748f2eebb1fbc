#include "StudyChart.h"

#include "Counted.h"

#include "exam/Percent.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace form {

namespace {
constexpr int kBarWidth = 10;
constexpr int kGap = 3;
constexpr int kHeight = 90;
} // namespace

StudyChart::StudyChart(std::vector<StudyDay> days, QWidget* parent) : QWidget(parent), m_days(std::move(days))
{
    for (const StudyDay& day : m_days)
        m_most = std::max(m_most, day.answered);
    setAccessibleName(StudySummary(m_days));
    setMinimumHeight(kHeight / 2);
}

QSize StudyChart::sizeHint() const
{
    return QSize(static_cast<int>(m_days.size()) * (kBarWidth + kGap) + kGap, kHeight);
}

void StudyChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    const int base = height() - 1;
    painter.drawLine(0, base, width() - 1, base);
    if (m_most == 0)
        return;
    const int room = height() - 2;
    // The days share the whole width, so that today stands at the right
    // end of the line however wide the window is.
    const int count = static_cast<int>(m_days.size());
    for (int i = 0; i < count; ++i) {
        const StudyDay& day = m_days[static_cast<size_t>(i)];
        const int left = width() * i / count;
        const int barWidth = std::max(1, width() * (i + 1) / count - left - kGap);
        const int tall = day.answered * room / m_most;
        const int right = day.right * room / m_most;
        painter.fillRect(left + kGap, base - tall, barWidth, tall - right, QColor(200, 60, 50));
        painter.fillRect(left + kGap, base - right, barWidth, right, QColor(60, 150, 70));
    }
}

QString StudySummary(const std::vector<StudyDay>& days)
{
    int answered = 0;
    int right = 0;
    int busy = 0;
    for (const StudyDay& day : days) {
        answered += day.answered;
        right += day.right;
        busy += day.answered > 0;
    }
    if (answered == 0)
        return QString("No answers in the last %1 days").arg(days.size());
    return QString("%1 on %2 of the last %3 days, %4 % right")
        .arg(Counted(answered, "answer"))
        .arg(busy)
        .arg(days.size())
        .arg(WholePercent(right, answered));
}

} // namespace form
