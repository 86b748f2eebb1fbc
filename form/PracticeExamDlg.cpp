#include "PracticeExamDlg.h"

#include "Counted.h"

#include "afx/ui/CDialog.h"
#include "afx/ui/ControlAccessibility.h"
#include "afx/ui/LongText.h"
#include "afx/ui/ScreenReaderNotice.h"

#include "exam/PassChance.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace form {

namespace {
// How much of a book's title the dialog shows before eliding it.
constexpr int kTitleCharacters = 60;

QSpinBox* SpinBox(int minimum, int maximum, int value)
{
    auto* box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}
} // namespace

PracticeExamDlg::PracticeExamDlg(QWidget* parent, const QString& bookTitle, int bookSize, int sections,
                                 const ExamSettings& defaults, Chance chance)
    : QDialog(parent, afx::kDialogFrame), m_questions(SpinBox(1, std::max(bookSize, 1), defaults.questions)),
      m_passMark(SpinBox(1, 100, defaults.passMarkPercent)), m_minutes(SpinBox(0, kMaxExamMinutes, defaults.minutes)),
      m_perSection(new QRadioButton("&One question from each section")), m_atRandom(new QRadioButton("At &random")),
      m_chance(std::move(chance)), m_chanceLabel(new QLabel)
{
    setWindowTitle("Practice Exam");
    m_minutes->setSpecialValueText("No limit");

    auto* about = new QLabel;
    // The title is the bank's text, never markup, and of any length.
    about->setTextFormat(Qt::PlainText);
    const QString title = afx::Elided(about->fontMetrics(), bookTitle, kTitleCharacters);
    about->setText(QString("%1: %2 in %3. The exam shows no result until you finish it or the time runs out.")
                       .arg(title, Counted(bookSize, "question"), Counted(sections, "section")));
    if (title != bookTitle)
        about->setToolTip(afx::PlainToolTip(bookTitle));
    about->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(afx::CaptionFor(m_questions, "&Number of questions:"), m_questions);
    form->addRow(afx::CaptionFor(m_passMark, "&Pass mark (percent):"), m_passMark);
    form->addRow(afx::CaptionFor(m_minutes, "&Time limit (minutes):"), m_minutes);

    auto* draw = new QGroupBox("Draw the questions");
    auto* drawLayout = new QVBoxLayout(draw);
    drawLayout->addWidget(m_perSection);
    drawLayout->addWidget(m_atRandom);
    m_perSection->setEnabled(sections > 0);
    (defaults.perSection && sections > 0 ? m_perSection : m_atRandom)->setChecked(true);

    auto* buttons = new QDialogButtonBox;
    QPushButton* start = buttons->addButton("&Start Exam", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    start->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(draw);
    layout->addWidget(m_chanceLabel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_questions->setFocus();
    m_questions->selectAll();

    // The chance follows the settings; a screen reader hears it each time
    // it changes, and with the first setting it reads.
    m_chanceLabel->setVisible(m_chance != nullptr);
    ShowChance(false);
    m_questions->setAccessibleDescription(m_chanceLabel->text());
    for (QSpinBox* box : {m_questions, m_passMark})
        connect(box, &QSpinBox::valueChanged, this, [this] { ShowChance(true); });
    connect(m_perSection, &QRadioButton::toggled, this, [this] { ShowChance(true); });
}

void PracticeExamDlg::ShowChance(bool announce)
{
    if (m_chance == nullptr)
        return;
    const QString text = QString("Chance to pass now: %1 %").arg(ChancePercent(m_chance(Settings())));
    if (text == m_chanceLabel->text())
        return;
    m_chanceLabel->setText(text);
    if (announce)
        afx::ScreenReaderNotice::In(this)->Say(text);
}

ExamSettings PracticeExamDlg::Settings() const
{
    ExamSettings settings;
    settings.questions = m_questions->value();
    settings.passMarkPercent = m_passMark->value();
    settings.minutes = m_minutes->value();
    settings.perSection = m_perSection->isChecked();
    return settings;
}

} // namespace form
