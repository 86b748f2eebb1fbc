#pragma once
// The result of a practice exam, as one page to read: pass or fail against
// the mark, the score, each section's figures, and every question missed
// with the answer chosen, the correct one and the bank's explanation.
// "Retry These" ends the dialog with Retry, to start a test of the missed
// questions.

#include "exam/PracticeExam.h"

#include <QDialog>

#include <vector>

namespace afx {
class ReadableDocument;
}

namespace form {

// What the result shows of a missed question beyond the exam's own record.
struct MissedWording {
    QString question;
    QString answers[4];
    // Empty when the bank has none.
    QString explanation;
};

// The page, as HTML; wordings run parallel to result.missed.
QString ExamResultPage(const ExamResult& result, const std::vector<MissedWording>& wordings);

class ExamResultDlg : public QDialog {
public:
    static constexpr int kRetry = 2;

    ExamResultDlg(QWidget* parent, const ExamResult& result, const std::vector<MissedWording>& wordings);

    afx::ReadableDocument* Page() const { return m_page; }

private:
    afx::ReadableDocument* m_page;
};

} // namespace form
