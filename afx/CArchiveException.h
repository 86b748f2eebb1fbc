#pragma once

#include "CString.h"

#include <string>
#include <utility>

// What a failed archive read or write throws; the document shows Message().
class CArchiveException {
public:
    enum Cause { generic = 1, badIndex = 4, endOfFile = 8, writeFault = 9 };

    explicit CArchiveException(Cause cause, std::string detail = std::string())
        : m_cause(cause), m_detail(std::move(detail))
    {}
    Cause GetCause() const { return m_cause; }
    // The framework's own wording for each failure.
    CString Message() const;
    // What exactly was wrong and at which byte, for tools that look into
    // files; empty for write faults.
    const std::string& Detail() const { return m_detail; }

private:
    Cause m_cause;
    std::string m_detail;
};
