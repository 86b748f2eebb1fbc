// Reads arbitrary bytes as a book of questions in every format the bank
// tool takes, and as the format their content shows. Any end but a clean
// one is a finding; problems and warnings are the expected answer.

#include "tools/quillo-bank/SourceFormats.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    using banktool::SourceFormat;
    for (const SourceFormat format :
         {SourceFormat::kCsv, SourceFormat::kPoolText, SourceFormat::kAiken, SourceFormat::kGift,
          SourceFormat::kMoodleXml, banktool::ChooseFormat("fuzz.txt", bytes)}) {
        banktool::SourceBook book;
        book.text = bytes;
        banktool::ReadSource(format, book);
        if (book.lines.size() != book.questions.size())
            __builtin_trap();
    }
    return 0;
}
