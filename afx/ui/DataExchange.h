#pragma once
// The framework's dialog data exchange over control ids.

#include "afx/CString.h"

namespace afx {

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* window, bool save) : m_pDlgWnd(window), m_bSaveAndValidate(save) {}
    CWnd* const m_pDlgWnd;
    const bool m_bSaveAndValidate;
};

void DDX_Text(CDataExchange& dx, int id, CString& value);
// Integers travel as decimal text; a text that is no number reads as 0.
void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Check(CDataExchange& dx, int id, int& value);
// The index of the checked button in the group starting at id, -1 for none;
// pushing -1 clears the group.
void DDX_Radio(CDataExchange& dx, int id, int& value);
// The selected item's text, empty when nothing is selected; pushing selects
// the first item starting with the text, ignoring case.
void DDX_LBString(CDataExchange& dx, int id, CString& value);

} // namespace afx
