#include "ProgressDlg.h"

#include "Counted.h"
#include "ProgressBars.h"
#include "StudyChart.h"

#include "exam/Percent.h"

#include "afx/ui/CDialog.h"
#include "afx/ui/ControlAccessibility.h"
#include "afx/ui/LongText.h"
#include "afx/ui/QtText.h"
#include "afx/ui/ScreenFit.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace form {

namespace {

enum Column { kName, kQuestions, kAnswered, kCorrect, kMissed, kTagged1, kTagged2, kNever, kDue, kBar, kColumns };

constexpr int kOrderRole = Qt::UserRole + 10;
constexpr int kTableRole = Qt::UserRole + 11;
constexpr int kSectionRole = Qt::UserRole + 12;
constexpr int kTitleRole = Qt::UserRole + 13;
// A figure as a number, beside the words a reader hears for it.
constexpr int kCountRole = Qt::UserRole + 14;
// How wide the names' column grows, in average characters.
constexpr int kNameCharacters = 50;

ProgressFigures FiguresOf(const QTreeWidgetItem& item)
{
    ProgressFigures figures;
    figures.answered = item.data(kAnswered, kCountRole).toInt();
    figures.missed = item.data(kMissed, kCountRole).toInt();
    return figures;
}

// Sorts numbers as numbers, names in the bank's order, and the bar weakest
// first, as ShowsWeaker ranks.
class ProgressItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : kName;
        if (column == kName)
            return data(kName, kOrderRole).toInt() < other.data(kName, kOrderRole).toInt();
        if (column == kBar) {
            if (ShowsWeaker(FiguresOf(*this), FiguresOf(other)))
                return true;
            if (ShowsWeaker(FiguresOf(other), FiguresOf(*this)))
                return false;
            return data(kName, kOrderRole).toInt() < other.data(kName, kOrderRole).toInt();
        }
        return data(column, kCountRole).toInt() < other.data(column, kCountRole).toInt();
    }
};

void StartReadableTable(QTableWidget& table, const QStringList& headings)
{
    table.setColumnCount(static_cast<int>(headings.size()));
    table.setHorizontalHeaderLabels(headings);
    table.verticalHeader()->hide();
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
}

// A cell with words to speak is a figure: set right, and heard as the
// words, which name what it counts.
void AddReadableRow(QTableWidget& table, const QStringList& cells, const QStringList& spoken)
{
    const int row = table.rowCount();
    table.insertRow(row);
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (!spoken[column].isEmpty()) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setData(Qt::AccessibleTextRole, spoken[column]);
        }
        table.setItem(row, column, item);
    }
}

QString ExamsSummary(const std::vector<ExamScore>& exams)
{
    if (exams.empty())
        return "No practice exam taken yet.";
    const auto passed = std::count_if(exams.begin(), exams.end(), [](const ExamScore& exam) { return exam.passed; });
    const ExamScore& last = exams.back();
    return QString("%1 taken, %2 passed; the last %3 %, %4.")
        .arg(Counted(static_cast<long long>(exams.size()), "practice exam"))
        .arg(passed)
        .arg(WholePercent(last.correct, last.questions))
        .arg(last.passed ? "passed" : "not passed");
}

} // namespace

ProgressDlg::ProgressDlg(QWidget* parent, const std::vector<BookProgress>& books, const CString& currentTable,
                         const QString& outlook, const StudyOverTime& overTime)
    : QDialog(parent, afx::kDialogFrame | Qt::WindowMaximizeButtonHint), m_table(new QTreeWidget),
      m_weakestFirst(new QCheckBox("&Weakest first: the most missed of those answered, never answered last")),
      m_outlook(new QLabel(outlook)), m_days(new QTableWidget), m_exams(new QTableWidget)
{
    setWindowTitle("Progress");
    m_table->setColumnCount(kColumns);
    m_table->setHeaderLabels({"Book or section", "Questions", "Answered", "Correct", "Missed", "Tagged 1", "Tagged 2",
                              "Never answered", "Due today", "Correct so far"});
    m_table->setItemDelegateForColumn(kBar, new ProgressBarDelegate(m_table));
    m_table->setAccessibleName("Progress by book and section");
    m_table->setUniformRowHeights(true);
    m_table->setAllColumnsShowFocus(true);

    int order = 0;
    QTreeWidgetItem* current = nullptr;
    for (const BookProgress& book : books) {
        auto* bookItem = new ProgressItem(m_table);
        AddRow(bookItem, afx::ToQt(book.title), book.figures, order++);
        bookItem->setData(kName, kTableRole, afx::ToQt(book.table));
        bookItem->setData(kName, kTitleRole, afx::ToQt(book.title));
        for (const SectionProgress& section : book.sections) {
            auto* sectionItem = new ProgressItem(bookItem);
            AddRow(sectionItem, section.name.IsEmpty() ? QString("(no section)") : afx::ToQt(section.name),
                   section.figures, order++);
            sectionItem->setData(kName, kTableRole, afx::ToQt(book.table));
            sectionItem->setData(kName, kSectionRole, afx::ToQt(section.name));
        }
        if (book.table == currentTable && current == nullptr)
            current = bookItem;
    }
    m_table->expandAll();
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(kName, Qt::AscendingOrder);
    for (int column = 0; column < kBar; ++column)
        m_table->resizeColumnToContents(column);
    ElideLongNames();
    m_table->setColumnWidth(kBar, 160);
    int width = 0;
    for (int column = 0; column < kColumns; ++column)
        width += m_table->columnWidth(column);
    m_table->setCurrentItem(current != nullptr ? current : m_table->topLevelItem(0));

    QLabel* label = afx::CaptionFor(m_table, "&Books and sections of this bank, as far as this test record goes:");
    auto* buttons = new QDialogButtonBox;
    QPushButton* start = buttons->addButton("&Start Test", QDialogButtonBox::AcceptRole);
    buttons->addButton("Close", QDialogButtonBox::RejectRole);
    start->setDefault(true);
    start->setEnabled(m_table->currentItem() != nullptr);

    // The table has the focus: a screen reader hears the chance with it.
    m_outlook->setTextFormat(Qt::PlainText);
    m_outlook->setWordWrap(true);
    m_outlook->setVisible(!outlook.isEmpty());
    m_table->setAccessibleDescription(outlook);

    auto* booksPage = new QWidget;
    auto* booksLayout = new QVBoxLayout(booksPage);
    booksLayout->addWidget(label);
    booksLayout->addWidget(m_table, 1);
    booksLayout->addWidget(m_weakestFirst);
    auto* tabs = new QTabWidget;
    tabs->addTab(booksPage, "Books and sections");
    tabs->addTab(OverTime(overTime, books), "Over &time");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_outlook);
    layout->addWidget(tabs, 1);
    layout->addWidget(buttons);
    afx::ResizeWithinScreen(*this, QSize(width + 60, HeightShowing(current)));

    connect(m_weakestFirst, &QCheckBox::toggled, this, [this] { SortRows(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { StartTestOf(m_table->currentItem()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { StartTestOf(item); });
    m_table->setFocus();
}

// The chart of the last weeks, the days with answers and the practice
// exams, each in a table the newest first whose cells a screen reader
// reads with their headings.
QWidget* ProgressDlg::OverTime(const StudyOverTime& overTime, const std::vector<BookProgress>& books)
{
    auto* chart = new StudyChart(overTime.days);
    auto* daysCaption = afx::CaptionFor(m_days, "&Days with answers, the newest first:");
    FillDays(overTime.days);
    auto* examsCaption = afx::CaptionFor(m_exams, "Practice &exams, the newest first:");
    FillExams(overTime.exams, books);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* summary = new QLabel(StudySummary(overTime.days));
    summary->setTextFormat(Qt::PlainText);
    layout->addWidget(summary);
    layout->addWidget(chart);
    layout->addWidget(daysCaption);
    layout->addWidget(m_days, 1);
    layout->addWidget(examsCaption);
    layout->addWidget(m_exams, 1);
    return page;
}

void ProgressDlg::FillDays(const std::vector<StudyDay>& days)
{
    StartReadableTable(*m_days, {"Day", "Answered", "Right", "Share right"});
    for (auto day = days.rbegin(); day != days.rend(); ++day) {
        if (day->answered == 0)
            continue;
        const QString date = QLocale().toString(QDateTime::fromSecsSinceEpoch(day->start).date(), QLocale::ShortFormat);
        const QStringList cells = {date, QString::number(day->answered), QString::number(day->right),
                                   QString("%1 %").arg(WholePercent(day->right, day->answered))};
        AddReadableRow(*m_days, cells,
                       {QString(), cells[1] + " answered", cells[2] + " right", cells[3] + " share right"});
    }
    m_days->resizeColumnsToContents();
    // Heard as the tab's table takes the focus.
    m_days->setAccessibleDescription(StudySummary(days));
}

void ProgressDlg::FillExams(const std::vector<ExamScore>& exams, const std::vector<BookProgress>& books)
{
    StartReadableTable(*m_exams, {"Taken", "Book", "Score", "Result"});
    for (auto exam = exams.rbegin(); exam != exams.rend(); ++exam) {
        const auto book = std::find_if(books.begin(), books.end(),
                                       [&exam](const BookProgress& each) { return each.table == exam->table; });
        const QString taken = QLocale().toString(QDateTime::fromSecsSinceEpoch(exam->time), QLocale::ShortFormat);
        const QString score = QString("%1 %").arg(WholePercent(exam->correct, exam->questions));
        const QString right = QString("%1 of %2 right").arg(exam->correct).arg(exam->questions);
        AddReadableRow(*m_exams,
                       {taken, afx::ToQt(book != books.end() ? book->title : exam->table), score,
                        exam->passed ? "Passed" : "Not passed"},
                       {QString(), QString(),
                        QString("%1, %2, pass mark %3 %").arg(score, right).arg(exam->passMarkPercent), QString()});
    }
    m_exams->resizeColumnsToContents();
    m_exams->setAccessibleDescription(ExamsSummary(exams));
}

// Tall enough for every row down to the current book's last section, when
// the screen has room: what the user came to see shows without scrolling.
int ProgressDlg::HeightShowing(const QTreeWidgetItem* current) const
{
    constexpr int kSmallest = 520;
    int rows = 0;
    for (int book = 0; book < m_table->topLevelItemCount(); ++book) {
        const QTreeWidgetItem* item = m_table->topLevelItem(book);
        rows += 1 + item->childCount();
        if (item == current)
            break;
    }
    const int rowHeight = m_table->sizeHintForRow(0);
    const int table = m_table->header()->sizeHint().height() + rows * rowHeight + 2 * m_table->frameWidth();
    // The caption, the check box and the buttons around the table.
    const int around = sizeHint().height() - m_table->sizeHint().height();
    return std::max(kSmallest, table + around);
}

// A book's or section's name of any length is shown elided in a column of
// bounded width, whole in its tooltip, so that the dialog keeps to the
// screen.
void ProgressDlg::ElideLongNames()
{
    const int widest = m_table->fontMetrics().averageCharWidth() * kNameCharacters;
    if (m_table->columnWidth(kName) <= widest)
        return;
    m_table->setColumnWidth(kName, widest);
    for (QTreeWidgetItemIterator it(m_table); *it != nullptr; ++it)
        if (m_table->fontMetrics().horizontalAdvance((*it)->text(kName)) > widest)
            (*it)->setToolTip(kName, afx::PlainToolTip((*it)->text(kName)));
}

void ProgressDlg::AddRow(QTreeWidgetItem* item, const QString& name, const ProgressFigures& figures, int order)
{
    item->setText(kName, name);
    item->setData(kName, kOrderRole, order);
    const int counts[] = {figures.questions, figures.answered, figures.correct,         figures.missed,
                          figures.tagged1,   figures.tagged2,  figures.NeverAnswered(), figures.due};
    for (int column = kQuestions; column <= kDue; ++column) {
        const int count = counts[column - kQuestions];
        item->setText(column, QString::number(count));
        item->setData(column, kCountRole, count);
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        // A reader going down the rows hears each figure with its heading,
        // not a run of bare numbers.
        item->setData(column, Qt::AccessibleTextRole,
                      QString("%1 %2").arg(count).arg(m_table->headerItem()->text(column).toLower()));
    }
    SetProgressBar(*item, kBar, figures);
}

// A reader speaks the row that becomes current while the table has the
// focus; the first one became current before the window was there.
bool ProgressDlg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_firstRowSpoken && m_table->currentItem() != nullptr) {
        m_firstRowSpoken = true;
        QTreeWidgetItem* current = m_table->currentItem();
        QTimer::singleShot(0, m_table, [this, current] {
            m_table->setCurrentItem(nullptr);
            m_table->setCurrentItem(current);
        });
    }
    return QDialog::event(event);
}

void ProgressDlg::SortRows()
{
    if (m_weakestFirst->isChecked())
        m_table->sortByColumn(kBar, Qt::AscendingOrder);
    else
        m_table->sortByColumn(kName, Qt::AscendingOrder);
    if (m_table->currentItem() != nullptr)
        m_table->scrollToItem(m_table->currentItem());
}

void ProgressDlg::StartTestOf(QTreeWidgetItem* item)
{
    if (item == nullptr)
        return;
    QTreeWidgetItem* book = item->parent() != nullptr ? item->parent() : item;
    m_strTable = afx::FromQt(item->data(kName, kTableRole).toString());
    m_strTitle = afx::FromQt(book->data(kName, kTitleRole).toString());
    m_section.reset();
    if (book != item)
        m_section = afx::FromQt(item->data(kName, kSectionRole).toString());
    accept();
}

} // namespace form
