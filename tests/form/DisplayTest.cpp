#include "FormTest.h"

#include <QLineEdit>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace form;

namespace {

const char* const kDiagrams =
    "CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT); INSERT INTO BOOKNAMES VALUES(1,'BOOK1','Pictures');"
    "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT); INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'10');"
    "CREATE TABLE BOOK1(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
    " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);"
    "INSERT INTO BOOK1 VALUES(1,'','1','A','q1','','','','','fig7','pics\\old','','');"
    "INSERT INTO BOOK1 VALUES(2,'','2','A','q2','','','','','','pics','','');";

// A stand-in viewer on PATH that writes its argument and process id, then
// waits to be terminated.
class Display : public FormTest {
protected:
    Display()
    {
        m_script = std::string(std::getenv("QUILLO_TEST_BIN")) + "/diagview";
        std::ofstream(m_script) << "#!/bin/sh\necho \"$$ $*\" >> '" << folder.File("viewer.log")
                                << "'\nexec sleep 60\n";
        std::filesystem::permissions(m_script, std::filesystem::perms::owner_all);
        StartOn(kDiagrams);
    }
    ~Display() override { std::filesystem::remove(m_script); }

    // Each start as "pid argument"; waits for the script to write its line.
    std::vector<std::pair<int, std::string>> Starts(size_t expected)
    {
        std::vector<std::pair<int, std::string>> starts;
        for (int tries = 0; tries < 200; ++tries) {
            starts.clear();
            std::ifstream log(folder.File("viewer.log"));
            int pid = 0;
            std::string argument;
            while (log >> pid && std::getline(log >> std::ws, argument))
                starts.emplace_back(pid, argument);
            if (starts.size() >= expected)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return starts;
    }
    static bool Running(int pid) { return kill(pid, 0) == 0; }

    std::string m_script;
};

} // namespace

TEST_F(Display, StartsTheViewerWithTheBitmapPath)
{
    Click(IDC_DISPLAY);
    const auto starts = Starts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].second, "pics/old/fig7.bmp");
    EXPECT_TRUE(Running(starts[0].first));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Display, DisplayAgainAndMovingOnStopTheViewerButBrowsingDoesNot)
{
    Click(IDC_DISPLAY);
    ASSERT_EQ(Starts(1).size(), 1u);
    Click(IDC_DISPLAY);
    auto starts = Starts(2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_FALSE(Running(starts[0].first));
    Command(ID_NEXT_QUESTION);
    EXPECT_TRUE(Running(starts[1].first));
    Click(IDC_NEXT);
    EXPECT_FALSE(Running(starts[1].first));
}

TEST_F(Display, NoDiagramUnlessOneIsTyped)
{
    Click(IDC_NEXT);
    Click(IDC_DISPLAY);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"No diagram for this question"}));
    static_cast<QLineEdit*>(View()->GetDlgItem(IDC_DIAGRAM))->setText("typed");
    Click(IDC_DISPLAY);
    const auto starts = Starts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].second, "pics/typed.bmp");
}

TEST_F(Display, AMissingViewerIsAnInstallationError)
{
    std::filesystem::remove(m_script);
    const std::string path = std::getenv("PATH");
    setenv("PATH", std::getenv("QUILLO_TEST_BIN"), 1);
    Click(IDC_DISPLAY);
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Installation Error. Image viewer not found."}));
    Click(IDC_NEXT);
    EXPECT_EQ(Text(IDC_CURRENT), "2");
}

// A megabyte with no line break would take minutes to lay out: the form
// shows its start, marked as cut, and the record keeps the whole text.
TEST_F(FormTest, AHugeFieldIsShownCutAndKeptWhole)
{
    StartOn("CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT); INSERT INTO BOOKNAMES VALUES(1,'BOOK1','Big');"
            "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT); INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'5');"
            "CREATE TABLE BOOK1(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
            " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);"
            "INSERT INTO BOOK1 VALUES(1,'','1','A','Start' || replace(hex(zeroblob(524288)), '0', 'q'),"
            " 'a','b','c','d','','','','');");
    const std::string shown = Text(IDC_QUESTION);
    EXPECT_EQ(shown.rfind("Startqqq", 0), 0u);
    EXPECT_LT(shown.size(), 20000u);
    EXPECT_NE(shown.find("cut here: 1038581 more characters not shown"), std::string::npos);
    Click(IDC_RADIO_A);
    Click(IDC_COMMIT);
    EXPECT_EQ(Text(IDC_STATUS), "Correct");
    EXPECT_EQ(Document()->m_pQuestions->m_strQuestion.GetLength(), 5 + (1 << 20));
}
