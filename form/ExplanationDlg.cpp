#include "ExplanationDlg.h"

#include "afx/ui/CDialog.h"
#include "afx/ui/ReadableDocument.h"
#include "afx/ui/ScreenFit.h"
#include "afx/ui/ScreenReaderNotice.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace form {

QString HtmlParagraphs(const QString& text)
{
    QString html;
    for (const QString& paragraph : text.trimmed().split("\n\n", Qt::SkipEmptyParts))
        html += "<p>" + paragraph.trimmed().toHtmlEscaped().replace('\n', "<br>") + "</p>";
    return html;
}

QString ExplanationPage(const ExplainedQuestion& question)
{
    return QString("<h3>Question %1</h3><p>Correct answer: %2</p>")
               .arg(question.number.toHtmlEscaped(), question.correctAnswer.toHtmlEscaped()) +
           HtmlParagraphs(question.explanation);
}

ExplanationDlg::ExplanationDlg(QWidget* parent, const ExplainedQuestion& question)
    : QDialog(parent, afx::kDialogFrame), m_page(new afx::ReadableDocument)
{
    setWindowTitle("Explanation");
    m_page->setHtml(ExplanationPage(question));
    m_page->setAccessibleName("Explanation of question " + question.number);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page, 1);
    layout->addWidget(buttons);
    afx::ResizeWithinScreen(*this, QSize(520, 360));
    m_page->setFocus();
    // The page's focus reads its first line only; the whole explanation is
    // said once as the dialog opens.
    afx::ScreenReaderNotice::In(this)->Say(
        QString("Question %1. Correct answer: %2. %3")
            .arg(question.number, question.correctAnswer, question.explanation.simplified()));
}

} // namespace form
