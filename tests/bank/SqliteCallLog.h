#pragma once

#include <string>
#include <vector>

// Names of the SQLite functions called since the last Clear, in order.
namespace sqlite_log {

extern std::vector<std::string> calls;
// When not 0, the next sqlite3_prepare_v2 returns this code without
// preparing anything.
extern int failNextPrepareWith;
// When not 0, the next sqlite3_step runs and then reports this code, the
// statement left wherever the step took it.
extern int failNextStepWith;
// Steps that still succeed before failNextStepWith takes effect.
extern int stepsBeforeFailure;

void Clear();
// The calls without the column reads, which depend on the row width.
std::vector<std::string> WithoutColumnReads();

} // namespace sqlite_log
