#include "StudyHistory.h"

#include "ReviewDue.h"
#include "ReviewSchedule.h"

#include <algorithm>
#include <iterator>

std::vector<StudyDay> DailyAnswers(const AnswerHistory& history, int64_t now, int days)
{
    std::vector<StudyDay> daily(static_cast<size_t>(std::max(days, 0)));
    if (daily.empty())
        return daily;
    // A day starts where the one before it ends: local midnights, so that a
    // day of 23 or 25 hours is still one day.
    for (size_t i = 0; i < daily.size(); ++i) {
        const int64_t back = static_cast<int64_t>(daily.size() - i) * kSecondsPerDay;
        daily[i].start = EndOfDay(now - back);
    }
    const int64_t end = EndOfDay(now);
    for (const auto& entry : history)
        for (const AnswerEvent& answer : entry.second) {
            if (answer.time < daily.front().start || answer.time >= end)
                continue;
            const auto after = std::upper_bound(daily.begin(), daily.end(), answer.time,
                                                [](int64_t time, const StudyDay& day) { return time < day.start; });
            StudyDay& day = *std::prev(after);
            ++day.answered;
            day.right += answer.right;
        }
    return daily;
}
