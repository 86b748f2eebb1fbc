#include "CString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <strings.h>

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        m_bytes.clear();
    } else {
        std::string buffer(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        buffer.resize(static_cast<size_t>(length));
        m_bytes.swap(buffer);
    }
    va_end(args);
}

CString CString::Left(int count) const
{
    if (count <= 0)
        return CString();
    return CString(m_bytes.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first >= GetLength() || count <= 0)
        return CString();
    return CString(m_bytes.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

static int PositionOrNone(size_t position)
{
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

int CString::Find(char ch) const
{
    return PositionOrNone(m_bytes.find(ch));
}
int CString::Find(const char* sub) const
{
    return PositionOrNone(m_bytes.find(sub));
}
int CString::ReverseFind(char ch) const
{
    return PositionOrNone(m_bytes.rfind(ch));
}

int CString::Compare(const char* other) const
{
    return std::strcmp(m_bytes.c_str(), other);
}

int CString::CompareNoCase(const char* other) const
{
    return strcasecmp(m_bytes.c_str(), other);
}
