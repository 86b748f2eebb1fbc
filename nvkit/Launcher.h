#pragma once

#include "afx/CString.h"

namespace nvkit {

// The full path of program as the shell would find it along PATH (or the
// program itself when it names a path), empty when there is none.
CString FindOnPath(const CString& program);

// Starts program with argument zero name and argument one argument,
// without a shell; the started process is never left for us to reap. False
// when it could not be started, or, given watchMs, when it ended in failure
// within that time (a launcher that found nothing to launch); one still
// running then is taken to have started.
bool StartDetached(const CString& program, const CString& name, const CString& argument, int watchMs = 0);

} // namespace nvkit
