#pragma once
// The files that come with the program (the help, the sample bank): in the
// package's data folder beside the installed program, or in the build's
// sample folder beside the one run from a build.

#include "afx/CString.h"

// The full path of the file of that name there; empty when it is in
// neither.
CString InstalledFile(const char* name);
