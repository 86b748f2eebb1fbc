#pragma once

#include "CString.h"

// What a failed archive read or write throws; the document shows Message().
class CArchiveException {
public:
    enum Cause { generic = 1, badIndex = 4, endOfFile = 8, writeFault = 9 };

    explicit CArchiveException(Cause cause) : m_cause(cause) {}
    Cause GetCause() const { return m_cause; }
    // The framework's own wording for each failure.
    CString Message() const;

private:
    Cause m_cause;
};
