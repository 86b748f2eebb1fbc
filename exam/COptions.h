#pragma once
// The test record: the settings of the Setup dialog and the five outcome
// sets, keyed "TABLE.NUMBER" so that the outcomes of every book live side by
// side. It is the whole content of a .nve file.

#include "AnswerHistory.h"
#include "ExamScores.h"

#include "afx/CMapStringToString.h"
#include "afx/CObject.h"
#include "afx/CString.h"

// Text from a file made one SQL token: quoted, its own quotes doubled, so
// that it cannot end the token early and add SQL of its own.
CString SqlQuoted(const CString& text, char quote = '\'');

// The statement that reads every row of a book's table.
CString SelectAllFrom(const CString& table);

class COptions : public CObject {
public:
    COptions();
    ~COptions() override;

    CString m_strCount;
    CString m_strTable;
    CString m_strTitle;
    CString m_strFilter;
    int m_nMode = 0;
    int m_bNew = 0;
    int m_bMissed = 0;
    int m_bCorrect = 0;
    int m_bTagged1 = 0;
    int m_bTagged2 = 0;
    int m_bUntagged = 0;
    int m_nScoring = 0;
    CMapStringToString m_missed{10};
    CMapStringToString m_correct{10};
    CMapStringToString m_tagged1{10};
    CMapStringToString m_tagged2{10};
    CMapStringToString m_answered{10};
    AnswerHistory m_history;
    ExamScores m_examScores;

    void Reset();
    void ClearOutcomes();
    CString MakeKey(const CString& number) const;

    void AddMissed(const CString& number);
    void AddCorrect(const CString& number);
    void AddTagged1(const CString& number);
    void AddTagged2(const CString& number);
    void AddAnswered(const CString& number);
    // What answering the question leaves: answered, and correct or missed,
    // and the answer (0 to 3 for A to D) in the history at that time.
    void AddOutcome(const CString& number, bool correct, int answer, int64_t time);
    void RemoveTagged1(const CString& number);
    void RemoveTagged2(const CString& number);

    bool IsMissed(const CString& number) const;
    bool IsCorrect(const CString& number) const;
    bool IsTagged1(const CString& number) const;
    bool IsTagged2(const CString& number) const;
    bool IsAnswered(const CString& number) const;
    // Missed and not answered right since: the last answer was wrong where
    // the history has the question, else missed and never right.
    bool IsStillMissed(const CString& key) const;

    // The "Questions to Display" class filter.
    bool Matches(const CString& number) const;

    CString BuildSelectAll() const;
    CString BuildSelectWhere() const;

    // Loading reads the whole file into a scratch record first: a damaged
    // file throws CArchiveException and leaves this record as it was.
    void Serialize(CArchive& archive) override;

    // Takes in the outcomes another window saved to this record, read whole
    // into saved, since base was read or saved here; this record's settings
    // stay. What was ever answered, missed or correct is kept from both. A
    // tag follows the last deliberate change on either side: one this record
    // added or removed since base stays so, and so does one the other added
    // or removed. Returns whether anything here changed.
    bool MergeSavedElsewhere(const COptions& saved, const COptions& base);

    // What loading does with a record read whole: its settings replace
    // these, its outcomes join these.
    void MergeFrom(COptions&& loaded);

private:
    void Store(CArchive& archive);
    void Load(CArchive& archive);
    void LoadAfterSets(CArchive& archive);
};
