#pragma once
// A byte string in the ANSI code page (Windows-1252), standing in for the
// framework's CString with just the members the program uses. Bytes are kept
// as they are: no terminator games, embedded 0xFF and the like survive.

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_bytes(text ? text : "") {}
    CString(const std::string& bytes) : m_bytes(bytes) {}
    CString(std::string&& bytes) : m_bytes(std::move(bytes)) {}
    CString(const char* bytes, int length) : m_bytes(bytes, static_cast<size_t>(length)) {}
    CString(char ch, int repeat) : m_bytes(static_cast<size_t>(repeat), ch) {}

    operator const char*() const { return m_bytes.c_str(); }
    const std::string& Bytes() const { return m_bytes; }

    int GetLength() const { return static_cast<int>(m_bytes.size()); }
    bool IsEmpty() const { return m_bytes.empty(); }
    void Empty() { m_bytes.clear(); }
    char GetAt(int index) const { return m_bytes.at(static_cast<size_t>(index)); }

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    // -1 when absent, as the framework reports it.
    int Find(char ch) const;
    int Find(const char* sub) const;
    int ReverseFind(char ch) const;

    CString& operator+=(const CString& other)
    {
        m_bytes += other.m_bytes;
        return *this;
    }
    CString& operator+=(const char* other)
    {
        m_bytes += other;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_bytes += ch;
        return *this;
    }

    // Byte-wise comparison, as strcmp orders ANSI text.
    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;

    friend bool operator==(const CString& a, const CString& b) { return a.m_bytes == b.m_bytes; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_bytes != b.m_bytes; }
    friend bool operator==(const CString& a, const char* b) { return a.m_bytes == b; }
    friend bool operator!=(const CString& a, const char* b) { return a.m_bytes != b; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_bytes < b.m_bytes; }
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, const char* b) { return a += b; }
    friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }
    friend CString operator+(CString a, char b) { return a += b; }

private:
    std::string m_bytes;
};
