#pragma once
// A book's questions as progress and practice exams need them: each row's
// number, section and correct letter, read in one pass.

#include "afx/CString.h"

#include <vector>

class CQuestionSet;

struct BookQuestion {
    CString number;
    CString section;
    CString correct;
};

// Every row of the query reader is open on; the reader's place is kept.
std::vector<BookQuestion> BookQuestionsOf(CQuestionSet& reader);

// Opens reader on every row of table and reads them all; the reader is
// closed again. A query that fails has been reported by the access layer,
// whose abort signal ends the command.
std::vector<BookQuestion> ReadBookQuestions(CQuestionSet& reader, const CString& table);
