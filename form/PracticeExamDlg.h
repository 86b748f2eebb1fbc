#pragma once
// "Practice Exam": how many questions, the pass mark, the time allowed, and
// how the questions are drawn from the book, starting from the defaults
// that fit the book.

#include "exam/ExamSettings.h"

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace form {

class PracticeExamDlg : public QDialog {
public:
    PracticeExamDlg(QWidget* parent, const QString& bookTitle, int bookSize, int sections,
                    const ExamSettings& defaults);

    // What the dialog shows now; after OK, what the user chose.
    ExamSettings Settings() const;

    QSpinBox* Questions() const { return m_questions; }
    QSpinBox* PassMark() const { return m_passMark; }
    QSpinBox* Minutes() const { return m_minutes; }
    QRadioButton* PerSection() const { return m_perSection; }
    QRadioButton* AtRandom() const { return m_atRandom; }

private:
    QSpinBox* m_questions;
    QSpinBox* m_passMark;
    QSpinBox* m_minutes;
    QRadioButton* m_perSection;
    QRadioButton* m_atRandom;
};

} // namespace form
