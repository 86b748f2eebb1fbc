#pragma once

#include "afx/CString.h"

namespace nvkit {

// The full path of program as the shell would find it along PATH (or the
// program itself when it names a path), empty when there is none.
CString FindOnPath(const CString& program);

// Starts program with argument zero name and argument one argument,
// without a shell and without waiting; the started process is never left
// for us to reap. False when it could not be started.
bool StartDetached(const CString& program, const CString& name, const CString& argument);

} // namespace nvkit
