#pragma once
// Figures and texts packed into one string, as the blocks after a record's
// sets hold them: figures little-endian, of a fixed number of bytes, texts
// after their length. One string a block keeps a record of 100,000 answers
// about as quick to save and load as its sets.

#include "afx/CString.h"

#include <cstddef>
#include <cstdint>
#include <string>

inline void PutNumber(std::string& packed, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        packed += static_cast<char>(value >> (8 * i));
}

// Reads a packed string from its start; each read is false, and reads
// nothing, where what it asks for would run past the end.
class PackedBytes {
public:
    explicit PackedBytes(const std::string& bytes)
        : m_at(reinterpret_cast<const unsigned char*>(bytes.data())), m_end(m_at + bytes.size())
    {}

    bool AtEnd() const { return m_at == m_end; }
    size_t Left() const { return static_cast<size_t>(m_end - m_at); }

    bool Number(uint64_t& value, int bytes)
    {
        if (Left() < static_cast<size_t>(bytes))
            return false;
        value = 0;
        for (int b = bytes - 1; b >= 0; --b)
            value = (value << 8) | m_at[b];
        m_at += bytes;
        return true;
    }

    bool Text(CString& text, size_t length)
    {
        if (Left() < length)
            return false;
        text = CString(reinterpret_cast<const char*>(m_at), static_cast<int>(length));
        m_at += length;
        return true;
    }

private:
    const unsigned char* m_at;
    const unsigned char* m_end;
};
