#pragma once
// Resources of id 128 and the string table: the document template string,
// the toolbar layout and the command prompts.

#include "afx/CString.h"

#include <vector>

namespace app {

constexpr int IDR_MAINFRAME = 128;

extern const char* const kDocTemplateString;

// 0 marks a separator.
extern const std::vector<int> kToolbarButtons;

// The text of string id; empty when the table has none.
CString LoadString(int id);
// The two halves of a command prompt: status-bar text and tooltip.
CString PromptText(int id);
CString TooltipText(int id);

} // namespace app
