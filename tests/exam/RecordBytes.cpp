#include "RecordBytes.h"

#include "afx/CArchive.h"

#include <sstream>

std::string StoreRecord(COptions& record)
{
    std::ostringstream out;
    CArchive archive(out);
    record.Serialize(archive);
    return out.str();
}

void LoadRecord(COptions& record, const std::string& bytes)
{
    std::istringstream in(bytes);
    CArchive archive(in);
    record.Serialize(archive);
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}
