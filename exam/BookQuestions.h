#pragma once
// A book's questions as progress and practice exams need them: each row's
// number, section and correct letter, read in one pass.

#include "afx/CString.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CQuestionSet;

struct BookQuestion {
    CString number;
    CString section;
    CString correct;
};

// The answer a correct field names, 0 to 3 for A to D as its first letter
// reads; -1 for an empty field.
int CorrectLetter(const CString& correct);

// Whether answer (0 to 3; -1 for none) is the one the correct field names.
bool IsCorrectAnswer(int answer, const CString& correct);

// Numbers the sections of a book in the order the book first names them.
class SectionOrder {
public:
    // The section's number, and whether this is its first naming.
    std::pair<size_t, bool> Place(const CString& section)
    {
        auto [place, added] = m_places.emplace(static_cast<const char*>(section), m_places.size());
        return {place->second, added};
    }

private:
    std::unordered_map<std::string, size_t> m_places;
};

// Every row of the query reader is open on; the reader's place is kept.
std::vector<BookQuestion> BookQuestionsOf(CQuestionSet& reader);

// Opens reader on every row of table and reads them all; the reader is
// closed again. A query that fails has been reported by the access layer,
// whose abort signal ends the command.
std::vector<BookQuestion> ReadBookQuestions(CQuestionSet& reader, const CString& table);
