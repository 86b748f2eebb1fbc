#include "RecordJson.h"

#include "exam/COptions.h"

#include "afx/CodePage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <map>
#include <optional>
#include <set>
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
    {"m_nMode", &COptions::m_nMode},       {"m_bNew", &COptions::m_bNew},         {"m_bMissed", &COptions::m_bMissed},
    {"m_bCorrect", &COptions::m_bCorrect}, {"m_bTagged1", &COptions::m_bTagged1}, {"m_bTagged2", &COptions::m_bTagged2},
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

// A record holds ANSI text: a character the code page lacks would be
// written as '?', so it is refused, naming where it stands.
std::string ToAnsi(const QString& text, const std::string& where, CString& ansi)
{
    const std::u16string wide(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
    ansi = CString(afx::WideCharToMultiByte(afx::CP_ACP, wide.data(), static_cast<int>(wide.size())));
    const std::u16string back = afx::MultiByteToWideChar(afx::CP_ACP, ansi.Bytes().data(), ansi.GetLength());
    if (back == wide)
        return std::string();
    size_t at = 0;
    while (at < back.size() && back[at] == wide[at])
        ++at;
    char32_t code = wide[at];
    if (QChar::isHighSurrogate(wide[at]) && at + 1 < wide.size())
        code = QChar::surrogateToUcs4(wide[at], wide[at + 1]);
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
    return where + " holds " + hex + ", which Windows-1252 cannot hold";
}

bool AllValuesEmpty(const CMapStringToString& set)
{
    for (const auto& entry : set)
        if (!entry.second.IsEmpty())
            return false;
    return true;
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
            out += inner + std::string("\"") + set.countName +
                   "\": " + std::to_string(found == counts.end() ? 0 : found->second);
            inner = ", ";
        }
        out += "}";
        separator = ",\n";
    }
    return out + (books.empty() ? "}\n" : "\n  }\n");
}

std::string HistoryJson(const AnswerHistory& history)
{
    std::string out = "  \"m_history\": {";
    const char* separator = "\n";
    for (const auto& [key, answers] : history) {
        out += separator + std::string("    ") + Quoted(key) + ": [";
        const char* inner = "";
        for (const AnswerEvent& event : answers) {
            out += inner + std::string(R"({"time": )") + std::to_string(event.time) + R"(, "answer": ")" +
                   event.answer + R"(", "right": )" + (event.right ? "true" : "false") + "}";
            inner = ", ";
        }
        out += "]";
        separator = ",\n";
    }
    return out + "\n  },\n";
}

std::string ExamScoresJson(const ExamScores& scores)
{
    std::string out = "  \"m_examScores\": [";
    const char* separator = "\n";
    for (const ExamScore& score : scores.All()) {
        out += separator + std::string("    {\"time\": ") + std::to_string(score.time) +
               ", \"table\": " + Quoted(score.table) + ", \"questions\": " + std::to_string(score.questions) +
               ", \"correct\": " + std::to_string(score.correct) +
               ", \"passMark\": " + std::to_string(score.passMarkPercent) +
               ", \"passed\": " + (score.passed ? "true" : "false") + "}";
        separator = ",\n";
    }
    return out + "\n  ],\n";
}

// A JSON number that is a whole number within the bounds.
std::optional<long long> WholeNumber(const QJsonValue& value, double lowest, double highest)
{
    const double number = value.toDouble();
    if (!value.isDouble() || number != static_cast<double>(static_cast<long long>(number)) || number < lowest ||
        number > highest)
        return std::nullopt;
    return static_cast<long long>(number);
}

// Seconds since 1970 that a double holds exactly.
constexpr double kMostSeconds = 9007199254740992.0;

constexpr const char* kHistoryShape = R"(m_history must map each key to its answers, each {"time": seconds since)"
                                      R"( 1970, "answer": "A" to "D" or "?", "right": true or false})";
constexpr const char* kExamsShape = R"(m_examScores must be an array of exams, each {"time", "table", "questions",)"
                                    R"( "correct", "passMark", "passed"})";

std::string ReadHistory(const QJsonValue& value, AnswerHistory& history)
{
    if (!value.isObject())
        return kHistoryShape;
    const QJsonObject keys = value.toObject();
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        CString key;
        if (std::string problem = ToAnsi(it.key(), "m_history key \"" + it.key().toStdString() + "\"", key);
            !problem.empty())
            return problem;
        if (!it.value().isArray())
            return kHistoryShape;
        for (const QJsonValue answer : it.value().toArray()) {
            const QJsonObject fields = answer.toObject();
            const std::optional<long long> time = WholeNumber(fields.value("time"), -kMostSeconds, kMostSeconds);
            const QString letter = fields.value("answer").toString();
            if (fields.size() != 3 || !time || letter.size() != 1 || !QString("ABCD?").contains(letter) ||
                !fields.value("right").isBool())
                return kHistoryShape;
            history.Add(key, {*time, letter[0].toLatin1(), fields.value("right").toBool()});
        }
    }
    return std::string();
}

std::string ReadExamScores(const QJsonValue& value, ExamScores& scores)
{
    if (!value.isArray())
        return kExamsShape;
    for (const QJsonValue exam : value.toArray()) {
        const QJsonObject fields = exam.toObject();
        const std::optional<long long> time = WholeNumber(fields.value("time"), -kMostSeconds, kMostSeconds);
        const std::optional<long long> questions = WholeNumber(fields.value("questions"), 0, 2147483647.0);
        const std::optional<long long> correct = WholeNumber(fields.value("correct"), 0, 2147483647.0);
        const std::optional<long long> passMark = WholeNumber(fields.value("passMark"), 0, 2147483647.0);
        if (fields.size() != 6 || !time || !questions || !correct || !passMark || !fields.value("table").isString() ||
            !fields.value("passed").isBool())
            return kExamsShape;
        ExamScore score{*time,
                        CString(),
                        static_cast<int>(*questions),
                        static_cast<int>(*correct),
                        static_cast<int>(*passMark),
                        fields.value("passed").toBool()};
        if (std::string problem = ToAnsi(fields.value("table").toString(), "m_examScores table", score.table);
            !problem.empty())
            return problem;
        if (!score.IsSound())
            return "m_examScores: an exam has 1 to 100000 questions, no more correct than asked, and a pass mark of "
                   "1 to 100";
        scores.Add(score);
    }
    return std::string();
}

} // namespace

std::string RecordToJson(const COptions& record)
{
    std::string out = "{\n";
    for (const TextField& field : kTexts)
        out += std::string("  \"") + field.name + "\": " + Quoted(record.*field.member) + ",\n";
    for (const IntField& field : kInts)
        out += std::string("  \"") + field.name + "\": " + std::to_string(record.*field.member) + ",\n";
    // A set is a list of keys; only a file that stores values beside its
    // keys shows them, as an object, so that build can write them back.
    for (const SetField& set : kSets) {
        const bool keysOnly = AllValuesEmpty(record.*set.member);
        out += std::string("  \"") + set.name + "\": " + (keysOnly ? "[" : "{");
        const char* separator = "";
        for (const auto& entry : record.*set.member) {
            out += separator + Quoted(entry.first);
            if (!keysOnly)
                out += ": " + Quoted(entry.second);
            separator = ", ";
        }
        out += keysOnly ? "],\n" : "},\n";
    }
    if (!record.m_history.IsEmpty())
        out += HistoryJson(record.m_history);
    if (!record.m_examScores.IsEmpty())
        out += ExamScoresJson(record.m_examScores);
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

    std::set<QString> known{"books", "m_history", "m_examScores"};
    for (const TextField& field : kTexts)
        known.insert(field.name);
    for (const IntField& field : kInts)
        known.insert(field.name);
    for (const SetField& set : kSets)
        known.insert(set.name);
    for (const QString& name : object.keys())
        if (known.count(name) == 0)
            return "\"" + name.toStdString() + "\" is not part of a record and would be lost";

    for (const TextField& field : kTexts) {
        const QJsonValue value = object.value(field.name);
        if (value.isUndefined())
            continue;
        if (!value.isString())
            return std::string(field.name) + " must be a string";
        std::string problem = ToAnsi(value.toString(), field.name, record.*field.member);
        if (!problem.empty())
            return problem;
    }
    for (const IntField& field : kInts) {
        const QJsonValue value = object.value(field.name);
        if (value.isUndefined())
            continue;
        const std::optional<long long> number = WholeNumber(value, -2147483648.0, 2147483647.0);
        if (!number)
            return std::string(field.name) + " must be a 32-bit integer";
        record.*field.member = static_cast<int>(*number);
    }
    for (const SetField& set : kSets) {
        const QJsonValue value = object.value(set.name);
        if (value.isUndefined())
            continue;
        std::vector<std::pair<QString, QJsonValue>> entries;
        if (value.isArray()) {
            for (const QJsonValue key : value.toArray()) {
                if (!key.isString())
                    return std::string(set.name) + " must hold only strings";
                entries.emplace_back(key.toString(), QJsonValue(""));
            }
        } else if (value.isObject()) {
            const QJsonObject pairs = value.toObject();
            for (auto it = pairs.begin(); it != pairs.end(); ++it)
                entries.emplace_back(it.key(), it.value());
        } else {
            return std::string(set.name) + " must be an array of keys or an object of keys and values";
        }
        for (const auto& [key, stored] : entries) {
            if (!stored.isString())
                return std::string(set.name) + " must hold only strings";
            CString ansiKey;
            CString ansiValue;
            std::string problem = ToAnsi(key, std::string(set.name) + " key \"" + key.toStdString() + "\"", ansiKey);
            if (problem.empty())
                problem = ToAnsi(stored.toString(), std::string(set.name) + " value", ansiValue);
            if (!problem.empty())
                return problem;
            (record.*set.member).SetAt(ansiKey, ansiValue);
        }
    }
    if (const QJsonValue history = object.value("m_history"); !history.isUndefined())
        if (std::string problem = ReadHistory(history, record.m_history); !problem.empty())
            return problem;
    if (const QJsonValue exams = object.value("m_examScores"); !exams.isUndefined())
        if (std::string problem = ReadExamScores(exams, record.m_examScores); !problem.empty())
            return problem;
    return std::string();
}
