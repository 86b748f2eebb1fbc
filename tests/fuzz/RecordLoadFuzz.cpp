// Loads arbitrary bytes as a test record. Any outcome but a clean load or a
// CArchiveException, with the record untouched on failure, is a finding.

#include "exam/COptions.h"

#include "afx/CArchive.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {
std::string Stored(COptions& record)
{
    std::ostringstream out;
    CArchive archive(out);
    record.Serialize(archive);
    return out.str();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    COptions record;
    record.m_strTable = "HELD";
    record.AddTagged1("1");
    const std::string before = Stored(record);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        CArchive archive(in, size);
        record.Serialize(archive);
    } catch (const CArchiveException&) {
        if (Stored(record) != before)
            std::abort();
    }
    return 0;
}
