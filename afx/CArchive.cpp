#include "CArchive.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <utility>

namespace {
constexpr uint32_t kByteEscape = 0xFF;
constexpr uint32_t kWordEscape = 0xFFFF;
// Later archives use this word to mark wide text; this format never writes
// it, so a reader meeting it is not reading one of our files.
constexpr uint32_t kWideTextMark = 0xFFFE;
// Strings are read in pieces so that a corrupt length cannot make us
// allocate gigabytes before the short read is noticed.
constexpr size_t kReadChunk = 64 * 1024;
} // namespace

void CArchive::WriteBytes(const void* bytes, size_t size)
{
    if (!m_out)
        throw CArchiveException(CArchiveException::generic);
    // Straight to the stream's buffer: a record holds many short strings,
    // and the stream's per-call checks would cost more than the bytes.
    std::streambuf* buffer = m_out->rdbuf();
    const auto wanted = static_cast<std::streamsize>(size);
    if (buffer == nullptr || !*m_out || buffer->sputn(static_cast<const char*>(bytes), wanted) != wanted)
        throw CArchiveException(CArchiveException::writeFault);
}

void CArchive::ReadBytes(void* bytes, size_t size)
{
    if (!m_in)
        throw CArchiveException(CArchiveException::generic);
    std::streambuf* buffer = m_in->rdbuf();
    const auto wanted = static_cast<std::streamsize>(size);
    const std::streamsize got = (buffer == nullptr || !*m_in) ? 0 : buffer->sgetn(static_cast<char*>(bytes), wanted);
    m_nPosition += static_cast<uint64_t>(got);
    if (got != wanted)
        throw CArchiveException(CArchiveException::endOfFile,
                                "truncated: the file ends at byte " + std::to_string(m_nPosition));
}

bool CArchive::AtEnd() const
{
    if (m_in == nullptr || !*m_in || m_in->rdbuf() == nullptr)
        return true;
    return m_in->rdbuf()->sgetc() == std::char_traits<char>::eof();
}

uint64_t CArchive::Remaining() const
{
    return m_nSize > m_nPosition ? m_nSize - m_nPosition : 0;
}

void CArchive::FailRead(CArchiveException::Cause cause, std::string detail) const
{
    throw CArchiveException(cause, std::move(detail));
}

void CArchive::WriteUInt(uint32_t value, int size)
{
    unsigned char bytes[4];
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    WriteBytes(bytes, static_cast<size_t>(size));
}

uint32_t CArchive::ReadUInt(int size)
{
    unsigned char bytes[4] = {};
    ReadBytes(bytes, static_cast<size_t>(size));
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

CArchive& CArchive::operator<<(int32_t value)
{
    WriteUInt(static_cast<uint32_t>(value), 4);
    return *this;
}

CArchive& CArchive::operator>>(int32_t& value)
{
    value = static_cast<int32_t>(ReadUInt(4));
    return *this;
}

CArchive& CArchive::operator<<(const CString& text)
{
    const auto length = static_cast<uint32_t>(text.GetLength());
    if (length < kByteEscape) {
        WriteUInt(length, 1);
    } else if (length < kWideTextMark) {
        WriteUInt(kByteEscape, 1);
        WriteUInt(length, 2);
    } else {
        WriteUInt(kByteEscape, 1);
        WriteUInt(kWordEscape, 2);
        WriteUInt(length, 4);
    }
    WriteBytes(text.Bytes().data(), length);
    return *this;
}

CArchive& CArchive::operator>>(CString& text)
{
    const uint64_t start = m_nPosition;
    uint32_t length = ReadUInt(1);
    if (length == kByteEscape) {
        length = ReadUInt(2);
        if (length == kWideTextMark)
            FailRead(CArchiveException::badIndex,
                     "the text at byte " + std::to_string(start) + " has the wide-text length mark 0xFFFE");
        if (length == kWordEscape)
            length = ReadUInt(4);
    }
    if (length > Remaining())
        FailRead(CArchiveException::endOfFile, "truncated: the text at byte " + std::to_string(start) + " is " +
                                                   std::to_string(length) + " bytes long, but the file ends at byte " +
                                                   std::to_string(m_nSize));
    std::string bytes;
    while (bytes.size() < length) {
        const size_t piece = std::min<size_t>(kReadChunk, length - bytes.size());
        const size_t start = bytes.size();
        bytes.resize(start + piece);
        ReadBytes(&bytes[start], piece);
    }
    text = CString(std::move(bytes));
    return *this;
}

void CArchive::WriteCount(uint32_t count)
{
    if (count < kWordEscape) {
        WriteUInt(count, 2);
    } else {
        WriteUInt(kWordEscape, 2);
        WriteUInt(count, 4);
    }
}

uint32_t CArchive::ReadCount()
{
    const uint64_t start = m_nPosition;
    uint32_t count = ReadUInt(2);
    if (count == kWordEscape)
        count = ReadUInt(4);
    // Every entry takes at least its two empty strings.
    if (uint64_t{count} * 2 > Remaining())
        FailRead(CArchiveException::badIndex, "count too large: the set at byte " + std::to_string(start) + " counts " +
                                                  std::to_string(count) +
                                                  " entries, more than the rest of the file can hold");
    return count;
}

void CArchive::Flush()
{
    if (m_out && !m_out->flush())
        throw CArchiveException(CArchiveException::writeFault);
}
