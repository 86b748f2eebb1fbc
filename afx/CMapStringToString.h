#pragma once
// The framework's string-to-string map. Iteration runs in byte order of the
// keys: any order is what the framework promises, and a fixed one keeps
// stored files identical from run to run.

#include "CObject.h"
#include "CString.h"

#include <map>

class CMapStringToString : public CObject {
    using Storage = std::map<CString, CString>;

public:
    // The framework's allocation block size; kept for the callers that
    // name it, it changes nothing here.
    explicit CMapStringToString(int blockSize = 10) { (void)blockSize; }

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    bool IsEmpty() const { return m_entries.empty(); }
    bool Lookup(const CString& key, CString& value) const;
    bool Contains(const CString& key) const { return m_entries.count(key) != 0; }
    void SetAt(const CString& key, const CString& value) { m_entries[key] = value; }
    bool RemoveKey(const CString& key) { return m_entries.erase(key) != 0; }
    void RemoveAll() { m_entries.clear(); }

    Storage::const_iterator begin() const { return m_entries.begin(); }
    Storage::const_iterator end() const { return m_entries.end(); }

    // Count, then (key, value) pairs. Loading adds to what is already held.
    void Serialize(CArchive& archive) override;

private:
    Storage m_entries;
};
