// quillo-bench: how long start-up to the first question, the question
// reader, the test builder, progress and the test record take on a big bank, each as
// a ratio to one plain sqlite3 pass over the same pool, timed in turn with
// the case.
//
//   quillo-bench BANK.db            the first book of an existing bank
//   quillo-bench --generate N       a bank of N generated questions
//                [--out FILE]       kept in FILE rather than removed
//   options: --reps R (default 5), --cases name,name  (default all)

#include "GeneratedBank.h"
#include "Harness.h"
#include "ImportBench.h"

#include "bank/CBookNamesSet.h"
#include "bank/CQuestionCountSet.h"
#include "bank/CQuestionSet.h"
#include "bank/PracticeExamTable.h"
#include "bank/QuestionBankFile.h"
#include "bank/SQLiteDatabase.h"
#include "exam/BankStart.h"
#include "exam/COptions.h"
#include "exam/CTestQuestionList.h"
#include "exam/ExamSettings.h"
#include "exam/PassChance.h"
#include "exam/Progress.h"
#include "exam/ReviewDue.h"
#include "exam/StudyHistory.h"
#include "exam/TestSelection.h"

#include "afx/CArchive.h"
#include "afx/CrtRandom.h"

#include <malloc.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

struct Arguments {
    std::string bank;
    int generate = 0;
    std::string out;
    int repetitions = 5;
    std::set<std::string> cases;
};

Arguments Parse(int argc, char** argv)
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--generate" && hasValue) {
            arguments.generate = std::atoi(argv[++i]);
        } else if (word == "--out" && hasValue) {
            arguments.out = argv[++i];
        } else if (word == "--reps" && hasValue) {
            arguments.repetitions = std::max(1, std::atoi(argv[++i]));
        } else if (word == "--cases" && hasValue) {
            std::stringstream list(argv[++i]);
            for (std::string name; std::getline(list, name, ',');)
                arguments.cases.insert(name);
        } else {
            arguments.bank = word;
        }
    }
    return arguments;
}

// Generating fills SQLite's caches; a child process does it so that the
// peak memory reported afterwards belongs to the cases alone.
void GenerateInChild(const std::string& path, int questions)
{
    const pid_t child = fork();
    if (child == 0) {
        try {
            GenerateBank(path, questions);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "quillo-bench: %s\n", e.what());
            _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::exit(1);
}

class Bench {
public:
    // The cases read the bank as the program opens it; the baseline reads it
    // through a plain connection, as SQLite opens one by default, so that
    // what the program does to its connection counts in the program's favour
    // or against it.
    Bench(const Arguments& arguments, litex::SQLiteDatabase& database, sqlite3* plain, long startKb)
        : m_arguments(arguments), m_plain(plain), m_database(database), m_startKb(startKb)
    {
        m_record.m_strTable = "BOOK1";
    }

    void Run()
    {
        CQuestionSet pool(&m_database);
        m_poolSize = CountPool(Open(pool));
        pool.Close();
        Case("startup", 1, [&] { StartUp(); });
        // Start-up holds one copy of the pool, as the program does.
        std::printf("memory startup_peak_above_start_kb=%ld\n", PeakResidentKb() - m_startKb);
        RunQuestionCases(pool);
        pool.Close();
        RunProgressCase();
        RunRecordCases();
        RunImportCase();
    }

private:
    bool Wanted(const std::string& name) const
    {
        return m_arguments.cases.empty() || m_arguments.cases.count(name) != 0;
    }
    void Case(const std::string& name, int calls, const std::function<void()>& body)
    {
        if (Wanted(name))
            PrintSummary(name, m_poolSize, Measure(m_arguments.repetitions, calls, body, [this] { PlainPass(); }));
    }

    // The baseline: every row of the pool, all thirteen columns read as text.
    void PlainPass()
    {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_plain, "SELECT * FROM 'BOOK1'", -1, &statement, nullptr);
        size_t bytes = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            for (int column = 0; column < 13; ++column) {
                const unsigned char* text = sqlite3_column_text(statement, column);
                bytes += text != nullptr ? text[0] : 0;
            }
        sqlite3_finalize(statement);
        m_sink += bytes;
    }

    CQuestionSet& Open(CQuestionSet& pool) const
    {
        pool.Open(m_record.BuildSelectAll());
        return pool;
    }

    // From opening the pool to the finished test, as starting a test does;
    // like the program, every test opens the same reader again.
    void BuildTest(CQuestionSet& pool, int size)
    {
        const int poolSize = CountPool(Open(pool));
        CTestQuestionList list;
        afx::CrtRandom random;
        TestSelection selection(pool, m_record, list, random, [] { return std::time_t(1); });
        m_sink += selection.SelectQuestions(size, poolSize);
    }

    // From the bank's name to the first question on the form, in the order
    // the document and the view take the steps: the connection, the three
    // readers on their default queries, the test's pool and its first test.
    void StartUp()
    {
        litex::SQLiteDatabase database;
        litex::OpenQuestionBank(database, m_arguments.bank.c_str());
        CQuestionSet questions(&database);
        CBookNamesSet books(&database);
        CQuestionCountSet counts(&database);
        OpenReadersOnDefaults(counts, books, questions);
        COptions record;
        TakeFirstBook(record, books, counts);
        questions.Close();
        questions.Open(record.BuildSelectWhere());
        const int poolSize = CountPool(questions);
        CTestQuestionList list;
        afx::CrtRandom random;
        TestSelection selection(questions, record, list, random, [] { return std::time_t(1); });
        selection.SelectQuestions(ParseTestSize(record.m_strCount), poolSize);
        m_sink += questions.MoveToNumber(list.GetNumber(0));
    }

    void RunQuestionCases(CQuestionSet& pool)
    {
        Case("count_pool", 1, [&] { m_sink += CountPool(Open(pool)); });
        const CString last = std::to_string(m_poolSize).c_str();
        const CString middle = std::to_string(m_poolSize / 2).c_str();
        Case("find_last", 20, [&] {
            pool.MoveFirst();
            m_sink += pool.MoveToNumber(last);
        });
        Case("show_question", 20, [&] { m_sink += pool.MoveToNumber(middle); });

        m_record.m_nMode = 0;
        Case("random_all", 1, [&] { BuildTest(pool, 50); });
        OnlyMissed();
        Case("random_missed", 1, [&] { BuildTest(pool, 50); });
        m_record.Reset();
        m_record.m_strTable = "BOOK1";
        m_record.m_nMode = 1;
        Case("sequential_all", 1, [&] { BuildTest(pool, 100); });
    }

    // Ten answered and missed questions, and only they may be shown.
    void OnlyMissed()
    {
        for (int i = 1; i <= 10; ++i) {
            const CString number = std::to_string(i * m_poolSize / 11 + 1).c_str();
            m_record.AddAnswered(number);
            m_record.AddMissed(number);
        }
        m_record.m_bNew = 0;
        m_record.m_bCorrect = 0;
        m_record.m_bTagged1 = 0;
        m_record.m_bTagged2 = 0;
    }

    // Progress over the whole book: a second reader on it, each row's
    // numbers looked up in a record of 20,000 outcomes.
    void RunProgressCase()
    {
        if (!Wanted("progress"))
            return;
        COptions record;
        record.m_strTable = "BOOK1";
        for (int i = 1; i <= 20000; ++i) {
            const CString number = std::to_string(i * 2).c_str();
            record.AddAnswered(number);
            (i % 3 == 0 ? record.AddMissed(number) : record.AddCorrect(number));
        }
        Case("progress", 1, [&] {
            CQuestionSet reader(&m_database);
            m_sink += MeasureBook(record, "BOOK1", "Generated", ReadBookQuestions(reader, "BOOK1"), 0).figures.correct;
        });
        RunProgressWithHistoryCase();
    }

    // Progress as a record with a history shows it: each row's figures by
    // the last answer and its due time, the weeks of answers, and the
    // chance to pass the book's exam, over 100,000 answers to 20,000
    // questions given over 40 days.
    void RunProgressWithHistoryCase()
    {
        if (!Wanted("progress_history"))
            return;
        constexpr int64_t kDay = 24 * 60 * 60;
        const int64_t now = 1796083200;
        COptions record;
        record.m_strTable = "BOOK1";
        for (int i = 1; i <= 20000; ++i)
            for (int answer = 0; answer < 5; ++answer)
                record.AddOutcome(std::to_string(i * 2).c_str(), (i + answer) % 3 != 0, answer % 4,
                                  now - (40 - answer * 8) * kDay + i);
        Case("progress_history", 1, [&] {
            CQuestionSet reader(&m_database);
            const std::vector<BookQuestion> book = ReadBookQuestions(reader, "BOOK1");
            m_sink += MeasureBook(record, "BOOK1", "Generated", book, EndOfDay(now)).figures.due;
            m_sink += DailyAnswers(record.m_history, now, 28).back().answered;
            m_sink += static_cast<int>(
                100 * PassChance(book, RightChances(record, book, now), DefaultExamSettings(book, std::nullopt)));
        });
    }

    static void Save(COptions& record, const std::string& file)
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        CArchive archive(out);
        record.Serialize(archive);
        archive.Flush();
    }
    static void Load(COptions& record, const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        CArchive archive(in);
        record.Serialize(archive);
    }

    void RunRecordCases()
    {
        if (!Wanted("record_load") && !Wanted("record_save"))
            return;
        COptions record;
        record.m_strTable = "BOOK1";
        // 40,000 answered, of them 30,000 correct and 10,000 missed, and two
        // tag sets of 10,000: 100,000 keys in all; and 100,000 answers in
        // the history, two or three a question, a day apart.
        constexpr int64_t kDay = 24 * 60 * 60;
        for (int i = 1; i <= 40000; ++i) {
            const CString number = std::to_string(i).c_str();
            const int answers = i % 2 == 0 ? 3 : 2;
            for (int a = 0; a < answers; ++a)
                record.AddOutcome(number, i % 4 != 0 || a + 1 < answers, a % 4, 1796083200 + a * kDay);
            if (i % 4 == 1)
                record.AddTagged1(number);
            else if (i % 4 == 2)
                record.AddTagged2(number);
        }
        const std::string file =
            (std::filesystem::temp_directory_path() / ("quillo-bench-" + std::to_string(getpid()) + ".nve")).string();
        Save(record, file);
        // Saved as the program holds a record: opened from its file, its
        // entries in the order they were read, as a user's record is at the
        // start of a session, before a test's answers join it. Saved as
        // built here, entry by entry among the other cases' leftovers, its
        // map nodes lie scattered: that read 0.73 in a full run and 0.35
        // alone before the history, 0.79 with it; saved as opened it reads
        // 0.27 either way.
        COptions opened;
        Load(opened, file);
        Case("record_save", 1, [&] { Save(opened, file); });
        Case("record_load", 1, [&] {
            COptions loaded;
            Load(loaded, file);
            m_sink += loaded.m_answered.GetCount();
        });
        std::filesystem::remove(file);
    }

    // Its own baseline: the same rows stored by plain prepared inserts.
    void RunImportCase()
    {
        if (!Wanted("bank_import"))
            return;
        ImportBench bench(
            m_plain,
            (std::filesystem::temp_directory_path() / ("quillo-bench-import-" + std::to_string(getpid()))).string());
        for (const auto& [format, file] : ImportBench::Formats())
            PrintSummary("bank_import " + format, bench.Rows(),
                         Measure(
                             m_arguments.repetitions, 1, [&, file = file] { bench.Import(file); },
                             [&] { bench.PlainInserts(); }));
    }

    const Arguments& m_arguments;
    sqlite3* const m_plain;
    litex::SQLiteDatabase& m_database;
    const long m_startKb;
    COptions m_record;
    int m_poolSize = 0;
    size_t m_sink = 0;
};

} // namespace

int main(int argc, char** argv)
{
    // Freed memory stays with the process, so that a case that builds its
    // readers afresh measures their work: otherwise each repetition maps
    // new pages, whose first touch costs what the machine makes it cost
    // (on a virtual machine, more than reading the rows).
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    Arguments arguments = Parse(argc, argv);
    std::string generated;
    if (arguments.generate > 0) {
        arguments.bank = arguments.out;
        if (arguments.out.empty())
            arguments.bank = generated =
                (std::filesystem::temp_directory_path() / ("quillo-bench-" + std::to_string(getpid()) + ".db"))
                    .string();
        std::filesystem::remove(arguments.bank);
        GenerateInChild(arguments.bank, arguments.generate);
    }
    if (arguments.bank.empty()) {
        std::fprintf(stderr, "usage: quillo-bench BANK.db | --generate N [--reps R] [--cases a,b]\n");
        return 2;
    }
    litex::SQLiteDatabase database;
    const std::string problem = litex::OpenQuestionBank(database, arguments.bank.c_str());
    if (!problem.empty() || !std::filesystem::is_regular_file(arguments.bank)) {
        std::fprintf(stderr, "quillo-bench: cannot open %s\n", arguments.bank.c_str());
        return 1;
    }
    sqlite3* plain = nullptr;
    if (sqlite3_open_v2(arguments.bank.c_str(), &plain, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "quillo-bench: cannot open %s\n", arguments.bank.c_str());
        return 1;
    }
    const long startKb = PeakResidentKb();
    Bench(arguments, database, plain, startKb).Run();
    std::printf("memory peak_above_start_kb=%ld bank_kb=%ld\n", PeakResidentKb() - startKb,
                static_cast<long>(std::filesystem::file_size(arguments.bank) / 1024));
    sqlite3_close(plain);
    if (!generated.empty())
        std::filesystem::remove(generated);
    return 0;
}
