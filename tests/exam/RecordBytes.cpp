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

COptions TechnicianRecord()
{
    COptions record;
    record.Reset();
    record.m_strTable = "BOOK1";
    record.m_strTitle = "Technician";
    record.m_strCount = "35";
    return record;
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}
