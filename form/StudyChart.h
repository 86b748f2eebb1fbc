#pragma once
// The answers of the last weeks day by day, drawn: a bar a day as high as
// the answers given, its right ones in green and the rest in red. The
// table beside it says the same for a screen reader; the chart's
// accessible name sums it up.

#include "exam/StudyHistory.h"

#include <QWidget>

#include <vector>

namespace form {

class StudyChart : public QWidget {
public:
    explicit StudyChart(std::vector<StudyDay> days, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<StudyDay> m_days;
    int m_most = 0;
};

// "120 answers on 6 of the last 28 days, 78 % right", or that there were
// none.
QString StudySummary(const std::vector<StudyDay>& days);

} // namespace form
