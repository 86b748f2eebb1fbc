// quillo-record: looks into and writes test records (.nve files).
//   quillo-record show FILE.nve            prints the record as JSON
//   quillo-record build FILE.json OUT.nve  writes a record from that JSON

#include "RecordJson.h"

#include "exam/COptions.h"

#include "bank/QuestionBankFile.h"

#include "afx/CArchive.h"
#include "afx/DocumentFile.h"
#include "afx/FolderLock.h"
#include "afx/ProgramInfo.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& file, const std::string& what)
{
    std::fprintf(stderr, "quillo-record: %s: %s\n", file.c_str(), what.c_str());
    return 1;
}

// What the program would say of this file, in a tool's words.
std::string OpenFault(afx::FileFault fault)
{
    switch (fault) {
    case afx::FileFault::notFound:
        return "no such file";
    case afx::FileFault::accessDenied:
        return "not a file that can be read (a folder, or no permission)";
    case afx::FileFault::ioError:
        return "not an ordinary file";
    default:
        return "cannot be opened";
    }
}

// Loads as the program loads a record: an empty file is an empty record.
int Show(const std::string& path)
{
    afx::DocumentReader file;
    if (const afx::FileFault fault = file.Open(path.c_str()); fault != afx::FileFault::none)
        return Fail(path, OpenFault(fault));
    if (litex::IsDatabaseFile(path.c_str()))
        return Fail(path, "a question bank, not a test record");
    COptions record;
    if (file.Size() != 0) {
        try {
            CArchive archive(file.Stream(), file.Size());
            record.Serialize(archive);
            // The program reads past them too: a newer version may keep
            // more after the last set.
            if (file.Stream().peek() != std::char_traits<char>::eof())
                std::fprintf(stderr, "quillo-record: warning: %s: bytes after the record's last set are ignored\n",
                             path.c_str());
        } catch (const CArchiveException& e) {
            return Fail(path, e.Detail().empty() ? e.Message().Bytes() : e.Detail());
        } catch (const std::ios_base::failure&) {
            return Fail(path, "a read error");
        }
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

    std::ostringstream bytes;
    CArchive archive(bytes);
    record.Serialize(archive);
    archive.Flush();
    const afx::FolderLock lock(afx::ResolvedPath(outPath.c_str()), std::chrono::seconds(30));
    if (!lock.Held())
        return Fail(outPath, "another program has been saving into its folder for 30 seconds");
    const afx::FileFault fault = afx::ReplaceFileContents(outPath.c_str(), bytes.str());
    if (fault != afx::FileFault::none)
        return Fail(outPath, fault == afx::FileFault::diskFull ? "the disk is full" : "cannot be written");
    return 0;
}

const char* const kUsage = "usage: quillo-record show FILE.nve\n"
                           "       quillo-record build FILE.json OUT.nve\n";

} // namespace

int main(int argc, char** argv)
{
    if (afx::AnswerInfoRequest(argc, argv, "quillo-record", kUsage))
        return 0;
    const auto words = afx::FileArguments(argc, argv, "quillo-record");
    if (!words)
        return 2;
    const std::vector<std::string>& arguments = *words;
    const std::string command = arguments.empty() ? "" : arguments[0];
    if (command == "show" && arguments.size() == 2)
        return Show(arguments[1]);
    if (command == "build" && arguments.size() == 3)
        return Build(arguments[1], arguments[2]);
    std::fputs(kUsage, stderr);
    return 2;
}
