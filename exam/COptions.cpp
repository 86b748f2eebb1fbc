#include "COptions.h"

#include "afx/CArchive.h"

#include <utility>

namespace {
void Add(CMapStringToString& set, const CString& key)
{
    set.SetAt(key, CString());
}
// Adds every key of from that into lacks; returns whether it added any.
bool Union(CMapStringToString& into, const CMapStringToString& from)
{
    bool changed = false;
    for (const auto& [key, value] : from)
        if (!into.Contains(key)) {
            into.SetAt(key, value);
            changed = true;
        }
    return changed;
}

// Keys added on the other side since base are added here; keys it removed
// since base, and that this side still holds as base had them, go.
bool MergeTags(CMapStringToString& mine, const CMapStringToString& saved, const CMapStringToString& base)
{
    bool changed = false;
    for (const auto& [key, value] : saved)
        if (!base.Contains(key) && !mine.Contains(key)) {
            mine.SetAt(key, value);
            changed = true;
        }
    for (const auto& [key, value] : base)
        if (!saved.Contains(key))
            changed = mine.RemoveKey(key) || changed;
    return changed;
}

void Merge(CMapStringToString& into, CMapStringToString&& from)
{
    if (into.IsEmpty()) {
        into = std::move(from);
        return;
    }
    for (const auto& [key, value] : from)
        into.SetAt(key, value);
}
} // namespace

COptions::COptions()
{
    Reset();
}

COptions::~COptions() = default;

void COptions::Reset()
{
    ClearOutcomes();
    m_strCount = CString(static_cast<char>(0xFF), 1);
    m_strTable.Empty();
    m_strFilter.Empty();
    m_nMode = 1;
    m_bNew = 1;
    m_bMissed = 1;
    m_bCorrect = 1;
    m_bTagged1 = 1;
    m_bTagged2 = 1;
    m_bUntagged = 1;
    m_nScoring = 0;
}

void COptions::ClearOutcomes()
{
    m_missed.RemoveAll();
    m_correct.RemoveAll();
    m_tagged1.RemoveAll();
    m_tagged2.RemoveAll();
    m_answered.RemoveAll();
    m_history.Clear();
    m_examScores.Clear();
}

CString COptions::MakeKey(const CString& number) const
{
    return m_strTable + "." + number;
}

void COptions::AddMissed(const CString& number)
{
    Add(m_missed, MakeKey(number));
}
void COptions::AddCorrect(const CString& number)
{
    Add(m_correct, MakeKey(number));
}
void COptions::AddTagged1(const CString& number)
{
    Add(m_tagged1, MakeKey(number));
}
void COptions::AddTagged2(const CString& number)
{
    Add(m_tagged2, MakeKey(number));
}
void COptions::AddAnswered(const CString& number)
{
    Add(m_answered, MakeKey(number));
}
void COptions::AddOutcome(const CString& number, bool correct, int answer, int64_t time)
{
    AddAnswered(number);
    if (correct)
        AddCorrect(number);
    else
        AddMissed(number);
    const char letter = answer >= 0 && answer <= 3 ? static_cast<char>('A' + answer) : '?';
    m_history.Add(MakeKey(number), {time, letter, correct});
}
void COptions::RemoveTagged1(const CString& number)
{
    m_tagged1.RemoveKey(MakeKey(number));
}
void COptions::RemoveTagged2(const CString& number)
{
    m_tagged2.RemoveKey(MakeKey(number));
}

bool COptions::IsMissed(const CString& number) const
{
    return m_missed.Contains(MakeKey(number));
}
bool COptions::IsCorrect(const CString& number) const
{
    return m_correct.Contains(MakeKey(number));
}
bool COptions::IsTagged1(const CString& number) const
{
    return m_tagged1.Contains(MakeKey(number));
}
bool COptions::IsTagged2(const CString& number) const
{
    return m_tagged2.Contains(MakeKey(number));
}
bool COptions::IsAnswered(const CString& number) const
{
    return m_answered.Contains(MakeKey(number));
}
bool COptions::IsStillMissed(const CString& key) const
{
    if (const AnswerEvent* last = m_history.Last(key))
        return !last->right;
    return m_missed.Contains(key) && !m_correct.Contains(key);
}

// Any flag other than 0 counts as checked. A set is asked only when a flag
// makes the answer depend on it: a pool of thousands is filtered a row at a
// time, and most rows fail at the first question asked of them.
// A question the history has is missed or correct by its last answer.
bool COptions::Matches(const CString& number) const
{
    const CString key = MakeKey(number);
    const auto holds = [&key](const CMapStringToString& set) { return set.Contains(key); };

    if (m_bNew == 0 && !holds(m_answered))
        return false;
    if (m_bMissed == 0 || m_bCorrect == 0) {
        if (const AnswerEvent* answer = m_history.Last(key)) {
            if ((m_bMissed == 0 && !answer->right) || (m_bCorrect == 0 && answer->right))
                return false;
        } else if ((m_bMissed == 0 && holds(m_missed)) || (m_bCorrect == 0 && holds(m_correct))) {
            return false;
        }
    }
    if (m_bNew != 0 && m_bMissed != 0 && m_bCorrect != 0 && holds(m_answered) && !holds(m_missed) && !holds(m_correct))
        return false;
    if (m_bUntagged != 0 && m_bTagged1 != 0 && m_bTagged2 != 0)
        return true;
    const bool tagged1 = holds(m_tagged1);
    const bool tagged2 = holds(m_tagged2);
    if (m_bUntagged == 0 && !tagged1 && !tagged2)
        return false;
    if (m_bTagged1 == 0 && tagged1)
        return false;
    return m_bTagged2 != 0 || !tagged2;
}

// Table name and filter come from files other people send, so each goes in
// as one quoted token. In the FROM clause SQLite takes the quoted text as
// the table's name.
CString SqlQuoted(const CString& text, char quote)
{
    CString quoted(quote, 1);
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text.GetAt(i) == quote)
            quoted += quote;
        quoted += text.GetAt(i);
    }
    return quoted + quote;
}

CString SelectAllFrom(const CString& table)
{
    return "SELECT * FROM " + SqlQuoted(table);
}

CString COptions::BuildSelectAll() const
{
    return SelectAllFrom(m_strTable);
}

// The filter stays a LIKE pattern, % and _ and its case rule as before; a
// quote in it is searched for as text.
CString COptions::BuildSelectWhere() const
{
    const CString condition = "Question LIKE " + SqlQuoted("%" + m_strFilter + "%");
    return BuildSelectAll() + " WHERE " + condition;
}

void COptions::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        Store(archive);
        return;
    }
    COptions loaded;
    loaded.Load(archive);
    MergeFrom(std::move(loaded));
}

void COptions::Store(CArchive& archive)
{
    archive << m_strTable << m_strTitle << m_strFilter;
    archive << m_nMode << m_bNew << m_bMissed << m_bCorrect << m_bTagged1 << m_bTagged2;
    archive << m_strCount << m_nScoring;
    m_answered.Serialize(archive);
    m_missed.Serialize(archive);
    m_correct.Serialize(archive);
    m_tagged1.Serialize(archive);
    m_tagged2.Serialize(archive);
    // The history first: a reader that knows only the history reads it
    // and passes over the rest.
    m_history.Store(archive);
    m_examScores.Store(archive);
}

void COptions::Load(CArchive& archive)
{
    archive >> m_strTable >> m_strTitle >> m_strFilter;
    archive >> m_nMode >> m_bNew >> m_bMissed >> m_bCorrect >> m_bTagged1 >> m_bTagged2;
    archive >> m_strCount >> m_nScoring;
    m_answered.Serialize(archive);
    m_missed.Serialize(archive);
    m_correct.Serialize(archive);
    m_tagged1.Serialize(archive);
    m_tagged2.Serialize(archive);
    LoadAfterSets(archive);
}

// What follows the sets is blocks, each a mark and one string. A block
// this version does not know, or one damaged, is passed over, and bytes
// that are not blocks end the reading, as readers of the record's format
// pass over them all: the record loads without what they held.
void COptions::LoadAfterSets(CArchive& archive)
{
    while (!archive.AtEnd()) {
        CString mark;
        CString packed;
        try {
            archive >> mark >> packed;
        } catch (const CArchiveException&) {
            return;
        }
        if (mark == AnswerHistory::kMark)
            m_history.Read(packed.Bytes());
        else if (mark == ExamScores::kMark)
            m_examScores.Read(packed.Bytes());
    }
}

void COptions::MergeFrom(COptions&& loaded)
{
    m_strTable = loaded.m_strTable;
    m_strTitle = loaded.m_strTitle;
    m_strFilter = loaded.m_strFilter;
    m_nMode = loaded.m_nMode;
    m_bNew = loaded.m_bNew;
    m_bMissed = loaded.m_bMissed;
    m_bCorrect = loaded.m_bCorrect;
    m_bTagged1 = loaded.m_bTagged1;
    m_bTagged2 = loaded.m_bTagged2;
    m_strCount = loaded.m_strCount;
    m_nScoring = loaded.m_nScoring;
    Merge(m_answered, std::move(loaded.m_answered));
    Merge(m_missed, std::move(loaded.m_missed));
    Merge(m_correct, std::move(loaded.m_correct));
    Merge(m_tagged1, std::move(loaded.m_tagged1));
    Merge(m_tagged2, std::move(loaded.m_tagged2));
    m_history.Merge(std::move(loaded.m_history));
    m_examScores.Merge(loaded.m_examScores);
}

bool COptions::MergeSavedElsewhere(const COptions& saved, const COptions& base)
{
    bool changed = Union(m_answered, saved.m_answered);
    changed = Union(m_missed, saved.m_missed) || changed;
    changed = Union(m_correct, saved.m_correct) || changed;
    changed = m_history.Merge(saved.m_history) || changed;
    changed = m_examScores.Merge(saved.m_examScores) || changed;
    changed = MergeTags(m_tagged1, saved.m_tagged1, base.m_tagged1) || changed;
    return MergeTags(m_tagged2, saved.m_tagged2, base.m_tagged2) || changed;
}
