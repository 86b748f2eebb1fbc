#include "SourceFormats.h"
#include "BankImport.h"

#include <algorithm>

namespace banktool {

const std::array<NamedFormat, 5> kFormats = {{
    {"csv", SourceFormat::kCsv},
    {"pool", SourceFormat::kPoolText},
    {"aiken", SourceFormat::kAiken},
    {"gift", SourceFormat::kGift},
    {"moodle", SourceFormat::kMoodleXml},
}};

namespace {

// A first line naming at least three of our columns (or their aliases).
bool IsCsvHeader(std::string_view line)
{
    int named = 0;
    for (const std::string_view name : {"number", "id", "correct", "question", "a", "b", "c", "d"}) {
        for (size_t at = 0; (at = line.find(name, at)) != std::string_view::npos; at += name.size()) {
            const bool starts = at == 0 || line[at - 1] == ',' || line[at - 1] == '"';
            const size_t after = at + name.size();
            if (starts && (after == line.size() || line[after] == ',' || line[after] == '"')) {
                ++named;
                break;
            }
        }
    }
    return named >= 3;
}

std::optional<SourceFormat> FormatOfName(const std::string& path)
{
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return std::nullopt;
    const std::string extension = Lower(path.substr(dot + 1));
    if (extension == "xml")
        return SourceFormat::kMoodleXml;
    if (extension == "gift")
        return SourceFormat::kGift;
    if (extension == "csv")
        return SourceFormat::kCsv;
    return std::nullopt;
}

} // namespace

std::string FormatNames(std::string_view separator)
{
    std::string names;
    for (const NamedFormat& named : kFormats)
        names.append(names.empty() ? "" : separator).append(named.name);
    return names;
}

std::optional<SourceFormat> FormatNamed(std::string_view name)
{
    for (const NamedFormat& named : kFormats)
        if (name == named.name)
            return named.format;
    return std::nullopt;
}

// The content decides where it shows one format beyond doubt: an XML
// document, our header, a pool's question line, Aiken's "ANSWER:", GIFT's
// answer braces, looked for in the first hundred lines.
SourceFormat ChooseFormat(const std::string& path, std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && text[first] == '<')
        return SourceFormat::kMoodleXml;
    const std::vector<TextLine> lines = LinesOf(text.substr(0, std::min<size_t>(text.size(), 1 << 16)));
    std::optional<SourceFormat> shown;
    int looked = 0;
    for (const TextLine& line : lines) {
        if (IsBlank(line.text) || Trimmed(line.text).substr(0, 2) == "//")
            continue;
        if (looked++ == 0 && IsCsvHeader(Lower(line.text)))
            return SourceFormat::kCsv;
        if (PoolHeadingOf(line.text))
            return SourceFormat::kPoolText;
        if (Lower(Trimmed(line.text).substr(0, 7)) == "answer:")
            return SourceFormat::kAiken;
        if (!shown && line.text.find('{') != std::string_view::npos)
            shown = SourceFormat::kGift;
        if (looked == 100)
            break;
    }
    if (const std::optional<SourceFormat> named = FormatOfName(path))
        return *named;
    return shown.value_or(SourceFormat::kCsv);
}

void ReadSource(SourceFormat format, SourceBook& book)
{
    switch (format) {
    case SourceFormat::kCsv:
        return ReadCsvBook(book);
    case SourceFormat::kPoolText:
        return ReadPoolTextBook(book);
    case SourceFormat::kAiken:
        return ReadAikenBook(book);
    case SourceFormat::kGift:
        return ReadGiftBook(book);
    case SourceFormat::kMoodleXml:
        return ReadMoodleXmlBook(book);
    }
}

} // namespace banktool
