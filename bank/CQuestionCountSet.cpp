#include "CQuestionCountSet.h"

CString CQuestionCountSet::GetDefaultSQL()
{
    return "SELECT * from 'NUMBER_OF_QUESTIONS'";
}

void CQuestionCountSet::DoFieldExchange()
{
    if (HasRow() == 0)
        return;
    m_nCountKey = GetInt(0);
    m_strCount = GetString(1);
}
