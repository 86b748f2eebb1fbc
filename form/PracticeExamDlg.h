#pragma once
// "Practice Exam": how many questions, the pass mark, the time allowed, and
// how the questions are drawn from the book, starting from the defaults
// that fit the book.

#include "exam/ExamSettings.h"

#include <QDialog>

#include <functional>

class QLabel;
class QRadioButton;
class QSpinBox;

namespace form {

class PracticeExamDlg : public QDialog {
public:
    // chance gives the chance to pass an exam of the settings shown.
    using Chance = std::function<double(const ExamSettings&)>;
    PracticeExamDlg(QWidget* parent, const QString& bookTitle, int bookSize, int sections, const ExamSettings& defaults,
                    Chance chance);

    // What the dialog shows now; after OK, what the user chose.
    ExamSettings Settings() const;

    QSpinBox* Questions() const { return m_questions; }
    QSpinBox* PassMark() const { return m_passMark; }
    QSpinBox* Minutes() const { return m_minutes; }
    QRadioButton* PerSection() const { return m_perSection; }
    QRadioButton* AtRandom() const { return m_atRandom; }
    QLabel* ChanceLabel() const { return m_chanceLabel; }

private:
    QSpinBox* m_questions;
    QSpinBox* m_passMark;
    QSpinBox* m_minutes;
    QRadioButton* m_perSection;
    QRadioButton* m_atRandom;
    Chance m_chance;
    QLabel* m_chanceLabel;
    void ShowChance(bool announce);
};

} // namespace form
