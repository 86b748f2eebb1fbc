#pragma once
// "Progress": every book of the bank and every section of a book, with how
// much of it the test record has answered, right, missed and tagged, as a
// table with a bar for each row. Return or a double-click on a row starts
// a test of that book or section.

#include "exam/ExamScores.h"
#include "exam/Progress.h"
#include "exam/StudyHistory.h"

#include <QDialog>

#include <optional>

#include <vector>

class QCheckBox;
class QLabel;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace form {

// What the tab "Over time" shows: the answers of the last weeks, day by
// day, and every practice exam taken.
struct StudyOverTime {
    std::vector<StudyDay> days;
    std::vector<ExamScore> exams;
};

class ProgressDlg : public QDialog {
public:
    // outlook: the chance to pass the current book's practice exam, in
    // words; empty when there is none to tell.
    ProgressDlg(QWidget* parent, const std::vector<BookProgress>& books, const CString& currentTable,
                const QString& outlook, const StudyOverTime& overTime);

    // After OK: the book chosen, and its section, none for the whole book;
    // an empty section is the book's questions that name none.
    CString m_strTable;
    CString m_strTitle;
    std::optional<CString> m_section;

    QTreeWidget* Table() const { return m_table; }
    QCheckBox* WeakestFirst() const { return m_weakestFirst; }
    QLabel* Outlook() const { return m_outlook; }
    QTableWidget* Days() const { return m_days; }
    QTableWidget* Exams() const { return m_exams; }

protected:
    bool event(QEvent* event) override;

private:
    void AddRow(QTreeWidgetItem* item, const QString& name, const ProgressFigures& figures, int order);
    void ElideLongNames();
    int HeightShowing(const QTreeWidgetItem* current) const;
    void SortRows();
    void StartTestOf(QTreeWidgetItem* item);

    QTreeWidget* m_table;
    QCheckBox* m_weakestFirst;
    QLabel* m_outlook;
    QTableWidget* m_days;
    QTableWidget* m_exams;
    QWidget* OverTime(const StudyOverTime& overTime, const std::vector<BookProgress>& books);
    void FillDays(const std::vector<StudyDay>& days);
    void FillExams(const std::vector<ExamScore>& exams, const std::vector<BookProgress>& books);
    bool m_firstRowSpoken = false;
};

} // namespace form
