#include "FormTest.h"

#include "form/CSetupDlg.h"

#include "afx/ui/ComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace form;

namespace {

const char* const kBooks =
    "CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT);"
    "INSERT INTO BOOKNAMES VALUES(1,'BOOK1','Book 1'), (2,'BOOK2','Navigation'), (3,'BOOK10','Book 10');"
    "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT);"
    "INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'25'), (2,'20'), (3,'100');";

std::string BookTable(const std::string& table, int questions)
{
    std::string sql = "CREATE TABLE " + table +
                      "(id INTEGER, c1 TEXT, num TEXT, correct TEXT, Question TEXT,"
                      " a TEXT, b TEXT, c TEXT, d TEXT, diagram TEXT, folder TEXT, c11 TEXT, c12 TEXT);";
    for (int q = 1; q <= questions; ++q)
        sql += "INSERT INTO " + table + " VALUES(" + std::to_string(q) + ",'','" + std::to_string(q) + "','A','" +
               table + " question " + std::to_string(q) + "','','','','','','','','');";
    return sql;
}

QComboBox* Combo(afx::CDialog& dialog, int id)
{
    return static_cast<QComboBox*>(dialog.GetDlgItem(id));
}

QStringList Items(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

class Setup : public FormTest {
protected:
    Setup() { StartOn(std::string(kBooks) + BookTable("BOOK1", 30) + BookTable("BOOK2", 12) + BookTable("BOOK10", 3)); }
};

} // namespace

TEST_F(Setup, TheDialogOpensOnTheRecordsSettings)
{
    Record().m_strTable = "BOOK2";
    Record().m_strCount = "2";
    Record().m_bMissed = 0;
    QStringList books;
    QStringList counts;
    QString book;
    QString count;
    bool missed = true;
    dialogs.Then([&](afx::CDialog& dialog) {
        books = Items(Combo(dialog, 1000));
        counts = Items(Combo(dialog, 1029));
        book = Combo(dialog, 1000)->currentText();
        count = Combo(dialog, 1029)->currentText();
        missed = static_cast<QCheckBox*>(dialog.GetDlgItem(setupdlg::IDC_MISSED))->isChecked();
        return int(afx::IDCANCEL);
    });
    Command(ID_SETUP);
    EXPECT_EQ(dialogs.captions.back(), "Examiner Setup Options");
    EXPECT_EQ(books, (QStringList{"Book 1", "Book 10", "Navigation"}));
    EXPECT_EQ(counts, (QStringList{"100", "20", "25"}));
    EXPECT_EQ(book, "Navigation");
    EXPECT_EQ(count, "20");
    EXPECT_FALSE(missed);
}

TEST_F(Setup, CancelChangesNothing)
{
    const std::string before = Text(IDC_NUMBER) + Text(IDC_TEST_SIZE);
    dialogs.Then([](afx::CDialog& dialog) {
        Combo(dialog, 1000)->setCurrentIndex(2);
        static_cast<QLineEdit*>(dialog.GetDlgItem(setupdlg::IDC_FILTER))->setText("zzz");
        return int(afx::IDCANCEL);
    });
    Command(IDC_SETUP);
    EXPECT_EQ(Record().m_strTable, "BOOK1");
    EXPECT_EQ(Record().m_strFilter, "");
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ(Text(IDC_NUMBER) + Text(IDC_TEST_SIZE), before);
}

TEST_F(Setup, OkBuildsTheNewTestAndKeepsTheOutcomes)
{
    Record().AddMissed("1");
    dialogs.Then([](afx::CDialog& dialog) {
        Combo(dialog, 1000)->setCurrentIndex(2); // Navigation
        afx::ComboSelectString(Combo(dialog, 1029), "100");
        static_cast<CSetupDlg&>(dialog).OnOK();
        return dialog.result();
    });
    Command(IDC_SETUP);
    EXPECT_EQ(Record().m_strTable, "BOOK2");
    EXPECT_EQ(Record().m_strTitle, "Navigation");
    EXPECT_EQ(Record().m_strCount, "100");
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_EQ(Text(IDC_BOOK_NAME), "Navigation");
    EXPECT_EQ(Text(IDC_TEST_SIZE), "12");
    EXPECT_EQ(Text(IDC_QUESTION), "BOOK2 question 1");
    EXPECT_TRUE(Record().m_missed.Contains("BOOK1.1"));
}

TEST_F(Setup, NoBookOrCountChosenIsAcceptedAndGivesAnEmptyTest)
{
    Record().m_strTable = "GONE";
    Record().m_strCount = CString(static_cast<char>(0xFF), 1);
    dialogs.Then([](afx::CDialog& dialog) {
        static_cast<CSetupDlg&>(dialog).OnOK();
        return dialog.result();
    });
    Command(IDC_SETUP);
    EXPECT_EQ(Record().m_strTable, "GONE");
    EXPECT_EQ(Record().m_strTitle, "");
    EXPECT_EQ(Record().m_strCount, "");
    // The missing table is reported and the form keeps running.
    EXPECT_EQ(messages.texts.back(), "SQLite exception.Error code: 1Error message: no such table: GONE");
    for (int id : {IDC_NEXT, IDC_COMMIT, IDC_GO, IDC_DISPLAY, ID_LAST_QUESTION})
        Command(id);
}

TEST_F(Setup, AFilterThatFindsNothingFallsBackToTheWholeBook)
{
    dialogs.Then([](afx::CDialog& dialog) {
        static_cast<QLineEdit*>(dialog.GetDlgItem(setupdlg::IDC_FILTER))->setText("no such words");
        static_cast<CSetupDlg&>(dialog).OnOK();
        return dialog.result();
    });
    Command(IDC_SETUP);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Invalid Filter. No questions found"}));
    EXPECT_EQ(Record().m_strFilter, "no such words");
    EXPECT_EQ(Text(IDC_POOL_SIZE), "30");
}

TEST_F(Setup, AFilterIsSearchedForAsTextNeverRunAsSql)
{
    for (const char* filter : {"\" UNION SELECT 1,2,3,4,5,6,7,8,9,10,11,12,13 --",
                               "' UNION SELECT 1,2,3,4,5,6,7,8,9,10,11,12,13 --", "say \"hi"}) {
        messages.texts.clear();
        dialogs.Then([filter](afx::CDialog& dialog) {
            static_cast<QLineEdit*>(dialog.GetDlgItem(setupdlg::IDC_FILTER))->setText(filter);
            static_cast<CSetupDlg&>(dialog).OnOK();
            return dialog.result();
        });
        Command(IDC_SETUP);
        EXPECT_EQ(messages.texts, (std::vector<std::string>{"Invalid Filter. No questions found"})) << filter;
        EXPECT_EQ(Text(IDC_POOL_SIZE), "30");
    }
}

TEST_F(Setup, AFilterNarrowsThePoolWithOrWithoutPoolOnly)
{
    for (bool poolOnly : {false, true}) {
        dialogs.Then([poolOnly](afx::CDialog& dialog) {
            static_cast<QLineEdit*>(dialog.GetDlgItem(setupdlg::IDC_FILTER))->setText("question 2");
            static_cast<QCheckBox*>(dialog.GetDlgItem(setupdlg::IDC_POOL_ONLY))->setChecked(poolOnly);
            static_cast<CSetupDlg&>(dialog).OnOK();
            return dialog.result();
        });
        Command(IDC_SETUP);
        EXPECT_EQ(Text(IDC_POOL_SIZE), "11") << poolOnly; // question 2 and 20 to 29
    }
}

TEST_F(Setup, EveryClassUncheckedGivesAnEmptyTest)
{
    dialogs.Then([](afx::CDialog& dialog) {
        for (int id : {1001, 1002, 1003, 1004, 1006, 1009})
            static_cast<QCheckBox*>(dialog.GetDlgItem(id))->setChecked(false);
        static_cast<CSetupDlg&>(dialog).OnOK();
        return dialog.result();
    });
    Command(IDC_SETUP);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"No matching criteria for test. Run setup again."}));
    EXPECT_EQ(Record().m_bUntagged, 0);
}

// Books are listed as the user's language sorts, case aside: a title
// beginning with an accented letter among the others, not after them.
TEST_F(FormTest, BooksAreListedInTheLanguagesOrder)
{
    StartOn("CREATE TABLE BOOKNAMES(id INTEGER, tbl TEXT, title TEXT);"
            "INSERT INTO BOOKNAMES VALUES(1,'BOOK1','General'), (2,'BOOK2','\xC3\x84rzte'), (3,'BOOK3','apple'),"
            " (4,'BOOK4','Zoo');"
            "CREATE TABLE NUMBER_OF_QUESTIONS(id INTEGER, n TEXT);"
            "INSERT INTO NUMBER_OF_QUESTIONS VALUES(1,'5');" +
            BookTable("BOOK1", 3) + BookTable("BOOK2", 3) + BookTable("BOOK3", 3) + BookTable("BOOK4", 3));
    QStringList books;
    dialogs.Then([&](afx::CDialog& dialog) {
        books = Items(Combo(dialog, 1000));
        return int(afx::IDCANCEL);
    });
    Command(ID_SETUP);
    EXPECT_EQ(books, (QStringList{"apple", QString::fromUtf8("\xC3\x84rzte"), "General", "Zoo"}));
}
