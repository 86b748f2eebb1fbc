#include "CTestQuestionList.h"

#include "Percent.h"

void CTestQuestionList::Add(const CString& number)
{
    m_entries.emplace_back(number);
    m_numbers.insert(number.Bytes());
}

bool CTestQuestionList::Contains(const CString& number) const
{
    return m_numbers.count(number.Bytes()) != 0;
}

void CTestQuestionList::RemoveAll()
{
    m_entries.clear();
    m_numbers.clear();
}

void CTestQuestionList::RecordAnswer(int index, int chosen, int correct, const CString& correctAnswer)
{
    CTestQuestion& entry = m_entries.at(static_cast<size_t>(index));
    entry.m_nChosen = chosen;
    entry.m_bCorrect = correct;
    entry.m_bAnswered = 1;
    entry.m_strCorrect = correctAnswer;
}

CString CTestQuestionList::ScoreText(int method) const
{
    int answered = 0;
    int correct = 0;
    for (const CTestQuestion& entry : m_entries) {
        answered += entry.m_bAnswered ? 1 : 0;
        correct += entry.m_bCorrect ? 1 : 0;
    }
    const int denominator = method == 0 ? GetSize() : answered;
    const int score = denominator == 0 ? 100 : WholePercent(correct, denominator);
    CString text;
    text.Format("%d", score);
    return text + "%";
}
