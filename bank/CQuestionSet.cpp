#include "CQuestionSet.h"

CString CQuestionSet::GetDefaultConnect()
{
    return m_chooseBank ? m_chooseBank() : CString();
}

CString CQuestionSet::GetDefaultSQL()
{
    return "Select * FROM 'BOOK1'";
}

void CQuestionSet::DoFieldExchange()
{
    if (HasRow() == 0)
        return;
    m_nKey = GetInt(0);
    m_strColumn1 = GetString(1);
    m_strNumber = GetString(kNumberColumn);
    m_strCorrect = GetString(3);
    m_strQuestion = GetString(4);
    m_strAnswerA = GetString(5);
    m_strAnswerB = GetString(6);
    m_strAnswerC = GetString(7);
    m_strAnswerD = GetString(8);
    m_strDiagram = GetString(9);
    m_strDiagramFolder = GetString(10);
    m_strColumn11 = GetString(11);
    m_strColumn12 = GetString(12);
}

int CQuestionSet::MoveToNumber(const CString& number)
{
    return MoveToFirstMatch(kNumberColumn, number);
}

CString CQuestionSet::NumberAt(int row) const
{
    return GetStringAt(row, kNumberColumn);
}
