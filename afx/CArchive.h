#pragma once
// The framework archive over a file stream, with its exact little-endian
// encodings of 4-byte integers, strings and collection counts.

#include "CArchiveException.h"
#include "CString.h"

#include <cstdint>
#include <iosfwd>
#include <string>

class CArchive {
public:
    explicit CArchive(std::istream& in) : m_in(&in) {}
    // Knowing the size, a length or count that the rest of the file cannot
    // hold is refused before anything is allocated or looped over.
    CArchive(std::istream& in, uint64_t size) : m_in(&in), m_nSize(size) {}
    explicit CArchive(std::ostream& out) : m_out(&out) {}
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_out != nullptr; }

    CArchive& operator<<(int32_t value);
    CArchive& operator>>(int32_t& value);
    CArchive& operator<<(const CString& text);
    CArchive& operator>>(CString& text);

    void WriteCount(uint32_t count);
    uint32_t ReadCount();

    // A reader with no byte left to read.
    bool AtEnd() const;

    // Pushes buffered bytes out; a stream that refuses them is a write fault.
    void Flush();

private:
    void WriteBytes(const void* bytes, size_t size);
    void ReadBytes(void* bytes, size_t size);
    void WriteUInt(uint32_t value, int size);
    uint32_t ReadUInt(int size);

    uint64_t Remaining() const;
    [[noreturn]] void FailRead(CArchiveException::Cause cause, std::string detail) const;

    std::istream* m_in = nullptr;
    std::ostream* m_out = nullptr;
    uint64_t m_nPosition = 0;
    uint64_t m_nSize = UINT64_MAX;
};
