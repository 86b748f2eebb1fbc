#include "CMapStringToString.h"

#include "CArchive.h"

#include <utility>

bool CMapStringToString::Lookup(const CString& key, CString& value) const
{
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return false;
    value = found->second;
    return true;
}

void CMapStringToString::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        archive.WriteCount(static_cast<uint32_t>(m_entries.size()));
        for (const auto& [key, value] : m_entries)
            archive << key << value;
        return;
    }
    // Stored maps come in key order, so the end is the right place to try.
    for (uint32_t remaining = archive.ReadCount(); remaining > 0; --remaining) {
        CString key;
        CString value;
        archive >> key >> value;
        m_entries.insert_or_assign(m_entries.end(), std::move(key), std::move(value));
    }
}
