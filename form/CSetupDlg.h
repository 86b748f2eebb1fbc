#pragma once
// "Examiner Setup Options": book, count, filter, classes, order, scoring.
// It edits only its own members; the Setup command copies them in and out.

#include "afx/CMapStringToString.h"
#include "afx/CStringArray.h"
#include "afx/ui/CDialog.h"

// The dialog's control ids (template 130).
namespace setupdlg {
constexpr int IDC_BOOKS = 1000;
constexpr int IDC_MISSED = 1001;
constexpr int IDC_NEW = 1002;
constexpr int IDC_TAGGED1 = 1003;
constexpr int IDC_CORRECT = 1004;
constexpr int IDC_RANDOM = 1005;
constexpr int IDC_TAGGED2 = 1006;
constexpr int IDC_SEQUENTIAL = 1007;
constexpr int IDC_FILTER = 1008;
constexpr int IDC_UNTAGGED = 1009;
constexpr int IDC_COUNTS = 1029;
constexpr int IDC_PERCENT_OF_TEST = 1033;
constexpr int IDC_PERCENT_OF_ANSWERS = 1034;
constexpr int IDC_POOL_ONLY = 1036;
} // namespace setupdlg

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
