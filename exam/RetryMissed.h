#pragma once
// Retry Missed: in one step, a test of the book's questions that were
// missed and not answered right since, in random order. The classes are
// chosen as Setup would choose them (New and Correct unchecked, the rest
// checked) for the building of that test alone: the record's own Setup
// choice is what it saves and reopens with.

#include <array>

class COptions;

// Whether the record's book has such a question.
bool HasMissedToRetry(const COptions& record);

// While it lives, the record's class flags and order are a Retry Missed
// test's; the book, filter, size and scoring stay as they are. The record's
// own are put back when it ends.
class RetryMissedChoice {
public:
    explicit RetryMissedChoice(COptions& record);
    ~RetryMissedChoice();
    RetryMissedChoice(const RetryMissedChoice&) = delete;
    RetryMissedChoice& operator=(const RetryMissedChoice&) = delete;

private:
    COptions& m_record;
    std::array<int, 7> m_saved;
};
