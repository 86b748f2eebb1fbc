#include "CBookNamesSet.h"

CString CBookNamesSet::GetDefaultSQL()
{
    return "SELECT * FROM 'BOOKNAMES'";
}

void CBookNamesSet::DoFieldExchange()
{
    if (HasRow() == 0)
        return;
    m_nBookKey = GetInt(0);
    m_strTable = GetString(1);
    m_strTitle = GetString(2);
}
