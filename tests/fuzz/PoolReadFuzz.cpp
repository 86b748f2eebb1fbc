// Reads arbitrary bytes, made readable text as the import makes them, as a
// book of questions in every format the bank tool takes, and as the format their content shows, then looks for the
// figures each wording names, stands in for what the bank cannot hold and
// decodes the bytes as HTML. Any end but a clean one is a finding;
// problems and warnings are the expected answer.

#include "tools/quillo-bank/BankText.h"
#include "tools/quillo-bank/FigureFolder.h"
#include "tools/quillo-bank/PlainText.h"
#include "tools/quillo-bank/SourceFormats.h"
#include "tools/quillo-bank/SourceText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (banktool::MakeReadable(bytes))
        return 0;
    std::vector<banktool::SourceFormat> formats{banktool::ChooseFormat("fuzz.txt", bytes)};
    for (const banktool::NamedFormat& named : banktool::kFormats)
        formats.push_back(named.format);
    for (const banktool::SourceFormat format : formats) {
        banktool::SourceBook book;
        book.text = bytes;
        banktool::ReadSource(format, book);
        if (book.lines.size() != book.questions.size())
            __builtin_trap();
        for (const banktool::Question& question : book.questions) {
            const std::string_view wording = question[banktool::kQuestion];
            for (const std::string_view name : banktool::FiguresNamedIn(wording))
                if (name.empty() || name.data() < wording.data() || name.end() > wording.end())
                    __builtin_trap();
            for (const std::string_view field : question)
                if (const auto made = banktool::WithStandIns(field); made && !banktool::TextProblem(made->text).empty())
                    if (banktool::TextProblem(field).find("Windows-1252") != std::string::npos)
                        __builtin_trap();
        }
    }
    banktool::PlainFromHtml(bytes);
    return 0;
}
