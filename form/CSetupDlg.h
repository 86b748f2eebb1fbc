#pragma once
// "Examiner Setup Options": book, count, filter, classes, order, scoring.
// It edits only its own members; the Setup command copies them in and out.

#include "afx/CMapStringToString.h"
#include "afx/CStringArray.h"
#include "afx/ui/CDialog.h"

class CSetupDlg : public afx::CDialog {
public:
    CSetupDlg(QWidget* parent, CMapStringToString* bookMap, CStringArray* countList);

    CString m_strTable;
    CString m_strTitle;
    CString m_strCount;
    CString m_strFilter;
    int m_bMissed = 0;
    int m_bNew = 0;
    int m_bTagged1 = 0;
    int m_bTagged2 = 0;
    int m_nMode = -1;
    int m_bCorrect = 0;
    int m_nScoring = 0;
    int m_bPoolOnly = 0;
    int m_bUntagged = 1;
    CMapStringToString* m_pBookMap;
    CStringArray* m_pCountList;

    bool OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(afx::CDataExchange& dx) override;
};
