#pragma once
// A question's explanation from the bank, as a page to read once the
// question is answered: which question, its correct answer, then the
// explanation's paragraphs. A screen reader hears it all as the dialog
// opens, and can read it again line by line.

#include <QDialog>

namespace afx {
class ReadableDocument;
}

namespace form {

struct ExplainedQuestion {
    QString number;
    QString correctAnswer; // "B, Na"
    QString explanation;
};

// The page, as HTML: the bank's text escaped, its line breaks kept.
QString ExplanationPage(const ExplainedQuestion& question);
// The explanation's text as HTML paragraphs and lines.
QString HtmlParagraphs(const QString& text);

class ExplanationDlg : public QDialog {
public:
    ExplanationDlg(QWidget* parent, const ExplainedQuestion& question);

    afx::ReadableDocument* Page() const { return m_page; }

private:
    afx::ReadableDocument* m_page;
};

} // namespace form
