#pragma once
// A failure that has already been reported to the user ends the operation by
// throwing a plain int; only start-up and the command router catch it.

namespace afx {

constexpr int kAbortBankSelection = -1;
constexpr int kAbortSQLite = -3;
// The user would not go on with a bank that changed under the program.
constexpr int kAbortBankChanged = -4;

[[noreturn]] inline void ThrowAbortSignal(int code)
{
    throw code;
}

} // namespace afx
