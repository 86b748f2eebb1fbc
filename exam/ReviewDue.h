#pragma once
// The questions due for review: answered before, their next review come.
// A question never answered is new, not due.

#include "afx/CString.h"

#include <cstdint>
#include <vector>

class COptions;

// The numbers of the record's current book due at `now`, the most overdue
// first (then in the book's key order).
std::vector<CString> DueNumbers(const COptions& record, int64_t now);

// The first second of the local day after the one that holds `now`: a
// question due before it is due today.
int64_t EndOfDay(int64_t now);
