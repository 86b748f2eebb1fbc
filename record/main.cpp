// quillo-record: looks into and writes test records (.nve files).
//   quillo-record show FILE.nve            prints the record as JSON
//   quillo-record build FILE.json OUT.nve  writes a record from that JSON

#include "RecordJson.h"

#include "exam/COptions.h"

#include "afx/CArchive.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

int Fail(const std::string& file, const std::string& what)
{
    std::fprintf(stderr, "quillo-record: %s: %s\n", file.c_str(), what.c_str());
    return 1;
}

int Show(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Fail(path, "cannot be opened");
    COptions record;
    try {
        CArchive archive(in);
        record.Serialize(archive);
    } catch (const CArchiveException& e) {
        return Fail(path, e.Message().Bytes());
    }
    std::cout << RecordToJson(record);
    return 0;
}

int Build(const std::string& jsonPath, const std::string& outPath)
{
    std::ifstream in(jsonPath, std::ios::binary);
    if (!in)
        return Fail(jsonPath, "cannot be opened");
    const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    COptions record;
    const std::string problem = RecordFromJson(json, record);
    if (!problem.empty())
        return Fail(jsonPath, problem);

    // Written beside the target and renamed over it, so a failure never
    // leaves half a record where a good one was.
    const std::string temporary = outPath + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        try {
            CArchive archive(out);
            record.Serialize(archive);
            archive.Flush();
        } catch (const CArchiveException& e) {
            std::remove(temporary.c_str());
            return Fail(outPath, e.Message().Bytes());
        }
    }
    if (std::rename(temporary.c_str(), outPath.c_str()) != 0) {
        std::remove(temporary.c_str());
        return Fail(outPath, "cannot be written");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "show" && argc == 3)
        return Show(argv[2]);
    if (command == "build" && argc == 4)
        return Build(argv[2], argv[3]);
    std::fprintf(stderr, "usage: quillo-record show FILE.nve\n"
                         "       quillo-record build FILE.json OUT.nve\n");
    return 2;
}
