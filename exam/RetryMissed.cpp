#include "RetryMissed.h"

#include "COptions.h"

bool HasMissedToRetry(const COptions& record)
{
    const CString book = record.m_strTable + ".";
    for (const auto& [key, value] : record.m_missed)
        if (key.Left(book.GetLength()) == book && !record.m_correct.Contains(key))
            return true;
    return false;
}

void ChooseRetryMissed(COptions& record)
{
    record.m_nMode = 0; // random
    record.m_bNew = 0;
    record.m_bMissed = 1;
    record.m_bCorrect = 0;
    record.m_bTagged1 = 1;
    record.m_bTagged2 = 1;
    record.m_bUntagged = 1;
}
