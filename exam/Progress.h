#pragma once
// How far the test record has come with each book and each section of a
// book: the bank's questions counted against the record's outcome sets.

#include "BookQuestions.h"

#include <cstdint>
#include <vector>

class COptions;

struct ProgressFigures {
    int questions = 0;
    int answered = 0;
    // Answered right at least once.
    int correct = 0;
    // Missed and not answered right since: what Retry Missed brings back.
    int missed = 0;
    int tagged1 = 0;
    int tagged2 = 0;
    // Answered before and due for review before the time measured to.
    int due = 0;

    int NeverAnswered() const { return questions - answered; }
    // The share of the questions answered right, in whole percent rounded
    // down, so that 100 means every one.
    int ReadyPercent() const;
};

// Weakest first ranks by what the user has shown: the larger share missed
// of the questions answered, then the more missed. Rows never answered
// show nothing yet and come after every answered one.
bool ShowsWeaker(const ProgressFigures& figures, const ProgressFigures& other);

struct SectionProgress {
    // Empty for the questions that name no section.
    CString name;
    ProgressFigures figures;
};

struct BookProgress {
    CString table;
    CString title;
    ProgressFigures figures;
    // In the order the book first names them; empty when no question of
    // the book names a section.
    std::vector<SectionProgress> sections;
};

// A question is counted due when its next review comes before dueBefore.
BookProgress MeasureBook(const COptions& record, const CString& table, const CString& title,
                         const std::vector<BookQuestion>& questions, int64_t dueBefore);

// The record's filtered pool narrowed to one section of its book, the
// section named by the column sectionColumn; an empty section is the
// questions that name none.
CString BuildSelectSection(const COptions& record, const CString& sectionColumn, const CString& section);
