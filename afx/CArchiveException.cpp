#include "CArchiveException.h"

CString CArchiveException::Message() const
{
    switch (m_cause) {
    case endOfFile:
    case badIndex:
        return "Unexpected file format.";
    case writeFault:
        return "An unexpected error occurred while writing.";
    case generic:
        break;
    }
    return "An unexpected error occurred while reading.";
}
