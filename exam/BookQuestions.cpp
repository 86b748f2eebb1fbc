#include "BookQuestions.h"

#include "COptions.h"

#include "bank/CQuestionSet.h"

namespace {
constexpr int kSectionColumn = 1;
constexpr int kCorrectColumn = 3;
} // namespace

int CorrectLetter(const CString& correct)
{
    return correct.IsEmpty() ? -1 : static_cast<signed char>(correct.GetAt(0)) - 'A';
}

bool IsCorrectAnswer(int answer, const CString& correct)
{
    return answer >= 0 && answer == CorrectLetter(correct);
}

std::vector<BookQuestion> BookQuestionsOf(CQuestionSet& reader)
{
    const int rows = reader.CountRows();
    std::vector<BookQuestion> questions;
    questions.reserve(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row)
        questions.push_back(
            {reader.NumberAt(row), reader.GetStringAt(row, kSectionColumn), reader.GetStringAt(row, kCorrectColumn)});
    return questions;
}

std::vector<BookQuestion> ReadBookQuestions(CQuestionSet& reader, const CString& table)
{
    reader.Open(SelectAllFrom(table));
    std::vector<BookQuestion> questions = BookQuestionsOf(reader);
    reader.Close();
    return questions;
}
