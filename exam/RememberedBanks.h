#pragma once
// Where the user's question banks are, kept in the settings across starts:
// the bank last opened, and the bank each test record was last saved or
// opened with, so that a start from the menu (in no bank's folder) or a
// record double-clicked in the home folder still finds its bank. They
// live in the settings rather than in the record, whose bytes stay exactly
// those every reader of the format expects.

#include "afx/CString.h"

namespace remembered {

// Full paths.
void NoteBankOpened(const CString& bank);
void NoteRecordOnBank(const CString& record, const CString& bank);

// The bank, when it is still there; else the empty text.
CString LastBank();
CString BankOfRecord(const CString& record);

} // namespace remembered
