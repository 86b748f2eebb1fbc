// Opens arbitrary bytes as a question bank and does what start-up and the
// first test do with it: the three readers, the pool query with a filter,
// and a test of both orders. Any end but a clean one, a reported abort or
// an SQLiteException is a finding, and so is a statement past its limits.

#include "exam/BankStart.h"
#include "exam/COptions.h"
#include "exam/CTestQuestionList.h"
#include "exam/TestSelection.h"

#include "bank/CBookNamesSet.h"
#include "bank/CQuestionCountSet.h"
#include "bank/CQuestionSet.h"
#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"
#include "bank/SQLiteException.h"

#include "afx/MessageBox.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class SilentMessages : public afx::MessageSink {
public:
    int Show(const std::string&, unsigned) override { return afx::IDOK; }
};

// One folder for every input of a run, removed when the run ends.
class BankFolder {
public:
    BankFolder()
    {
        char folder[] = "/tmp/quillo-bank-fuzz-XXXXXX";
        if (mkdtemp(folder) == nullptr)
            std::abort();
        m_folder = folder;
    }
    ~BankFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    std::string Bank() const { return m_folder + "/bank.db"; }

private:
    std::string m_folder;
};

std::string BankPath()
{
    static const BankFolder folder;
    return folder.Bank();
}

void UseBank(litex::SQLiteDatabase& database)
{
    CQuestionSet questions(&database);
    CBookNamesSet books(&database);
    CQuestionCountSet counts(&database);
    OpenReadersOnDefaults(counts, books, questions);
    COptions test;
    TakeFirstBook(test, books, counts);
    test.m_strFilter = "%e_";
    questions.Open(test.BuildSelectWhere());
    const int poolSize = CountPool(questions);
    for (const int mode : {0, 1}) {
        test.m_nMode = mode;
        CTestQuestionList list;
        afx::CrtRandom random;
        TestSelection(questions, test, list, random, [] {
            return std::time_t{7};
        }).SelectQuestions(ParseTestSize(test.m_strCount), poolSize);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    afx::SetMessageSink(&silent);
    const std::string path = BankPath();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    for (const char* beside : {"-journal", "-wal", "-shm"})
        unlink((path + beside).c_str());
    litex::SQLiteDatabase database;
    litex::OpenQuestionBank(database, path.c_str());
    try {
        UseBank(database);
    } catch (int) {
    } catch (const litex::SQLiteException&) {}
    return 0;
}
