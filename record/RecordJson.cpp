#include "RecordJson.h"

#include "exam/COptions.h"

#include "afx/CodePage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <vector>

namespace {

struct TextField {
    const char* name;
    CString COptions::*member;
};
struct IntField {
    const char* name;
    int COptions::*member;
};
struct SetField {
    const char* name;
    const char* countName;
    CMapStringToString COptions::*member;
};

const TextField kTexts[] = {
    {"m_strTable", &COptions::m_strTable},
    {"m_strTitle", &COptions::m_strTitle},
    {"m_strFilter", &COptions::m_strFilter},
    {"m_strCount", &COptions::m_strCount},
};
const IntField kInts[] = {
    {"m_nMode", &COptions::m_nMode},       {"m_bNew", &COptions::m_bNew},
    {"m_bMissed", &COptions::m_bMissed},   {"m_bCorrect", &COptions::m_bCorrect},
    {"m_bTagged1", &COptions::m_bTagged1}, {"m_bTagged2", &COptions::m_bTagged2},
    {"m_nScoring", &COptions::m_nScoring},
};
const SetField kSets[] = {
    {"m_answered", "answered", &COptions::m_answered}, {"m_missed", "missed", &COptions::m_missed},
    {"m_correct", "correct", &COptions::m_correct},    {"m_tagged1", "tagged1", &COptions::m_tagged1},
    {"m_tagged2", "tagged2", &COptions::m_tagged2},
};

std::string AnsiToUtf8(const CString& ansi)
{
    const std::u16string wide = afx::MultiByteToWideChar(afx::CP_ACP, ansi.Bytes().data(), ansi.GetLength());
    return afx::WideCharToMultiByte(afx::CP_UTF8, wide.data(), static_cast<int>(wide.size()));
}

CString Utf8ToAnsi(const QString& text)
{
    const std::u16string wide(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
    return CString(afx::WideCharToMultiByte(afx::CP_ACP, wide.data(), static_cast<int>(wide.size())));
}

std::string Quoted(const CString& ansi)
{
    std::string out = "\"";
    for (const char ch : AnsiToUtf8(ansi)) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string BookCounts(const COptions& record)
{
    std::map<CString, std::map<std::string, int>> books;
    for (const SetField& set : kSets)
        for (const auto& entry : record.*set.member) {
            const CString& key = entry.first;
            const int dot = key.Find('.');
            const CString book = dot < 0 ? key : key.Left(dot);
            ++books[book][set.countName];
        }
    std::string out = "  \"books\": {";
    const char* separator = "\n";
    for (const auto& [book, counts] : books) {
        out += separator + std::string("    ") + Quoted(book) + ": {";
        const char* inner = "";
        for (const SetField& set : kSets) {
            const auto found = counts.find(set.countName);
            out += inner + std::string("\"") + set.countName + "\": " +
                   std::to_string(found == counts.end() ? 0 : found->second);
            inner = ", ";
        }
        out += "}";
        separator = ",\n";
    }
    return out + (books.empty() ? "}\n" : "\n  }\n");
}

} // namespace

std::string RecordToJson(const COptions& record)
{
    std::string out = "{\n";
    for (const TextField& field : kTexts)
        out += std::string("  \"") + field.name + "\": " + Quoted(record.*field.member) + ",\n";
    for (const IntField& field : kInts)
        out += std::string("  \"") + field.name + "\": " + std::to_string(record.*field.member) + ",\n";
    for (const SetField& set : kSets) {
        out += std::string("  \"") + set.name + "\": [";
        const char* separator = "";
        for (const auto& entry : record.*set.member) {
            out += separator + Quoted(entry.first);
            separator = ", ";
        }
        out += "],\n";
    }
    return out + BookCounts(record) + "}\n";
}

std::string RecordFromJson(const std::string& json, COptions& record)
{
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &error);
    if (error.error != QJsonParseError::NoError)
        return "not JSON: " + error.errorString().toStdString() + " at offset " + std::to_string(error.offset);
    if (!document.isObject())
        return "the record must be a JSON object";
    const QJsonObject object = document.object();

    for (const TextField& field : kTexts) {
        const QJsonValue value = object.value(field.name);
        if (value.isUndefined())
            continue;
        if (!value.isString())
            return std::string(field.name) + " must be a string";
        record.*field.member = Utf8ToAnsi(value.toString());
    }
    for (const IntField& field : kInts) {
        const QJsonValue value = object.value(field.name);
        if (value.isUndefined())
            continue;
        const double number = value.toDouble();
        if (!value.isDouble() || number != static_cast<double>(static_cast<long long>(number)) ||
            number < -2147483648.0 || number > 2147483647.0)
            return std::string(field.name) + " must be a 32-bit integer";
        record.*field.member = static_cast<int>(number);
    }
    for (const SetField& set : kSets) {
        const QJsonValue value = object.value(set.name);
        if (value.isUndefined())
            continue;
        if (!value.isArray())
            return std::string(set.name) + " must be an array of keys";
        for (const QJsonValue key : value.toArray()) {
            if (!key.isString())
                return std::string(set.name) + " must hold only strings";
            (record.*set.member).SetAt(Utf8ToAnsi(key.toString()), CString());
        }
    }
    return std::string();
}
