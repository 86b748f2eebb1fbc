#pragma once
// The formats a book's questions may come in, and their readers. Each
// reader takes the whole text of one file and fills the book with its
// four-answer questions; what it cannot take is a problem with its line,
// a question the file's own fault spoils is damaged, and a question of
// another kind a warning.

#include "SourceBook.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace banktool {

enum class SourceFormat { kCsv, kPoolText, kAiken, kGift, kMoodleXml };

// Every format the tool reads, by the name --format takes: the one list
// that format choice, the usage text and the fuzz target read. A format is
// added here, in ReadSource and in its reader.
struct NamedFormat {
    std::string_view name;
    SourceFormat format;
};
extern const std::array<NamedFormat, 5> kFormats;
// The names joined: "csv, pool, aiken, gift, moodle" with ", ".
std::string FormatNames(std::string_view separator);
std::optional<SourceFormat> FormatNamed(std::string_view name);

// The format the text shows, else the one its file name ends in, else CSV.
SourceFormat ChooseFormat(const std::string& path, std::string_view text);

// The text is the book's own, made readable.
void ReadSource(SourceFormat format, SourceBook& book);

// Our columns, and the names other quiz tools give them.
void ReadCsvBook(SourceBook& book);
// The published amateur-radio pools: "E1A01 (D) [97.305]", the question,
// then A. to D., ended by a blank line, "~~" or the next question.
void ReadPoolTextBook(SourceBook& book);
// Aiken: the question, A. to D. (or A) to D)), "ANSWER: X".
void ReadAikenBook(SourceBook& book);
// GIFT's multiple-choice questions: "::id:: text {=right ~wrong ...}".
void ReadGiftBook(SourceBook& book);
// Moodle XML's multichoice questions with four answers, one worth 100 %.
void ReadMoodleXmlBook(SourceBook& book);

// Whether a line opens a pool question; its parts when it does.
struct PoolHeading {
    std::string_view id;
    std::string_view correct;
    std::string_view references;
};
std::optional<PoolHeading> PoolHeadingOf(std::string_view line);

// The text after "A." or "A)" on a line, for the letter given.
std::optional<std::string_view> AnswerText(std::string_view line, char letter);

} // namespace banktool
