#pragma once
// Fields of a help file that libmspack 0.11 computes with before it checks
// them: the directory's quick-reference density is a shift count, the
// declared file length is subtracted from the real one, the LZX reset
// interval is multiplied and divided as an int. Out of the range any help
// compiler writes, each is undefined behaviour inside the library, so a
// file with one is refused here before libmspack sees it.

#include <QByteArray>

// The file's ITSF header, header section 0 and directory header, where
// they are within the file (libmspack itself refuses what is not).
bool HeadersInSafeRange(const QByteArray& file);

// The "::DataSpace/Storage/MSCompressed/ControlData" object: its version,
// window size and reset interval.
bool ControlDataInSafeRange(const QByteArray& controlData);
