#include "ExamResultDlg.h"

#include "Counted.h"
#include "ExplanationDlg.h"

#include "afx/ui/CDialog.h"
#include "afx/ui/QtText.h"
#include "afx/ui/ReadableDocument.h"
#include "afx/ui/ScreenFit.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace form {

namespace {

QString Answer(int letter, const MissedWording& wording)
{
    if (letter < 0 || letter > 3)
        return "none";
    return QString("%1, %2").arg(QChar('A' + letter)).arg(wording.answers[letter].toHtmlEscaped());
}

// The page's first line, which a reader speaks as the page takes the focus.
QString ExamResultSummary(const ExamResult& result)
{
    return QString("%1%2: %3 of %4 correct, %5%. Pass mark %6%.")
        .arg(result.timeRanOut ? "Time is up. " : "", result.passed ? "Passed" : "Not passed")
        .arg(result.correct)
        .arg(result.questions)
        .arg(result.Percent())
        .arg(result.passMarkPercent);
}

} // namespace

QString ExamResultPage(const ExamResult& result, const std::vector<MissedWording>& wordings)
{
    QString page = "<h2>" + ExamResultSummary(result).toHtmlEscaped() + "</h2>";
    if (!result.sections.empty()) {
        page += "<h3>By section</h3>";
        for (const ExamSectionResult& section : result.sections)
            page += QString("<p>%1: %2 of %3 correct</p>")
                        .arg(afx::ToQt(section.section).toHtmlEscaped(), QString::number(section.correct),
                             QString::number(section.questions));
    }
    const auto unanswered =
        std::count_if(result.missed.begin(), result.missed.end(), [](const ExamMiss& miss) { return miss.chosen < 0; });
    if (unanswered > 0)
        page += QString("<p>%1 left unanswered: missed in this result, and not counted as answered in your test "
                        "record.</p>")
                    .arg(Counted(unanswered, "question"));
    page += result.missed.empty() ? QString("<h3>No question missed</h3>")
                                  : QString("<h3>Missed questions: %1</h3>").arg(result.missed.size());
    for (size_t i = 0; i < result.missed.size() && i < wordings.size(); ++i) {
        const ExamMiss& miss = result.missed[i];
        const MissedWording& wording = wordings[i];
        // One pass over the pattern: a bank's text holding "%2" stays as it is.
        page += QString("<p><b>%1</b>: %2<br>Your answer: %3<br>Correct answer: %4</p>")
                    .arg(afx::ToQt(miss.number).toHtmlEscaped(), wording.question.toHtmlEscaped(),
                         Answer(miss.chosen, wording), Answer(CorrectLetter(miss.correct), wording));
        if (!wording.explanation.isEmpty())
            page += "<p>Explanation:</p>" + HtmlParagraphs(wording.explanation);
    }
    return page;
}

ExamResultDlg::ExamResultDlg(QWidget* parent, const ExamResult& result, const std::vector<MissedWording>& wordings)
    : QDialog(parent, afx::kDialogFrame | Qt::WindowMaximizeButtonHint), m_page(new afx::ReadableDocument)
{
    setWindowTitle("Practice Exam Result");
    m_page->setHtml(ExamResultPage(result, wordings));
    m_page->setAccessibleName("Exam result");

    auto* buttons = new QDialogButtonBox;
    QPushButton* retry = buttons->addButton("&Retry These", QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton("Close", QDialogButtonBox::RejectRole);
    retry->setEnabled(!result.missed.empty());
    retry->setAutoDefault(false);
    close->setDefault(true);
    connect(retry, &QPushButton::clicked, this, [this] { done(kRetry); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page, 1);
    layout->addWidget(buttons);
    afx::ResizeWithinScreen(*this, QSize(640, 520));
    // A reader speaks the line at the caret, the summary, as the page takes
    // the focus.
    m_page->setFocus();
}

} // namespace form
