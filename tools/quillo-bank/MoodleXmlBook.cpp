#include "Excerpt.h"
#include "PlainText.h"
#include "SourceFormats.h"
#include "XmlReader.h"

#include <cstdlib>

namespace banktool {

namespace {

// An element's text: where it stands in the document, or made when it
// had to be put together.
struct MoodleText {
    std::string_view inPlace;
    std::string made;
    bool isMade = false;
    bool html = false;

    // HTML made plain, other text with the white space around it dropped.
    std::string_view Plain(SourceBook& book) const
    {
        const std::string_view text = isMade ? std::string_view(made) : inPlace;
        if (html)
            return book.Keep(PlainFromHtml(text));
        const std::string_view trimmed = TrimmedSpace(text);
        return isMade && !trimmed.empty() ? book.Keep(std::string(trimmed)) : trimmed;
    }
};

struct MoodleAnswer {
    double fraction;
    MoodleText text;
    MoodleText feedback;
};

class MoodleReader {
public:
    explicit MoodleReader(SourceBook& book) : m_book(book), m_xml(book.text) {}

    void Read()
    {
        while (m_xml.ReadNextStartElement()) {
            if (m_xml.Name() == "question")
                ReadQuestion();
            else if (m_xml.Name() != "quiz")
                m_xml.SkipCurrentElement();
        }
        if (m_xml.HasError())
            m_book.Problem(m_xml.Line(), "not well-formed XML: " + m_xml.Error());
    }

private:
    // The <text> inside the element the reader stands on, which is then read
    // to its end; a format other than HTML is plain text already. An
    // answer's <feedback> goes to feedback, when asked for.
    MoodleText TextOf(MoodleText* feedback = nullptr)
    {
        MoodleText found;
        found.html = m_xml.Attribute("format") == "html";
        while (m_xml.ReadNextStartElement()) {
            if (m_xml.Name() == "text") {
                found.inPlace = m_xml.ReadElementText(found.made);
                found.isMade = found.inPlace.data() == found.made.data();
            } else if (feedback != nullptr && m_xml.Name() == "feedback") {
                *feedback = TextOf();
            } else {
                m_xml.SkipCurrentElement();
            }
        }
        return found;
    }

    void ReadQuestion()
    {
        const int line = m_xml.Line();
        const std::string type = m_xml.Attribute("type");
        std::string_view name;
        MoodleText wording;
        MoodleText generalFeedback;
        std::vector<MoodleAnswer> answers;
        while (m_xml.ReadNextStartElement()) {
            if (m_xml.Name() == "name") {
                name = TextOf().Plain(m_book);
            } else if (m_xml.Name() == "questiontext") {
                wording = TextOf();
            } else if (m_xml.Name() == "generalfeedback") {
                generalFeedback = TextOf();
            } else if (m_xml.Name() == "answer") {
                MoodleAnswer& answer = answers.emplace_back();
                answer.fraction = std::strtod(m_xml.Attribute("fraction").c_str(), nullptr);
                answer.text = TextOf(&answer.feedback);
            } else if (m_xml.Name() == "category") {
                const std::string_view category = TextOf().Plain(m_book);
                m_section = category.substr(category.rfind('/') + 1);
            } else {
                m_xml.SkipCurrentElement();
            }
        }
        if (type == "category" || m_xml.HasError())
            return;
        ++m_place;
        if (type != "multichoice")
            return m_book.Warn(line, "left out: a " + Excerpt(type) +
                                         " question; the program asks four-answer questions only");
        Add(line, name, wording, answers, generalFeedback);
    }

    void Add(int line, std::string_view name, const MoodleText& wording, const std::vector<MoodleAnswer>& answers,
             const MoodleText& generalFeedback)
    {
        int right = 0;
        Question question;
        for (size_t i = 0; i < answers.size(); ++i)
            if (answers[i].fraction > 99.99) {
                ++right;
                question[kCorrect] = std::string_view("ABCD").substr(std::min<size_t>(i, 3), 1);
            }
        if (answers.size() != 4 || right != 1)
            return m_book.Warn(line, "left out: a multichoice question with " + std::to_string(answers.size()) +
                                         " answers, " + std::to_string(right) +
                                         " of them worth 100 %; the program asks four answers, one right");
        question[kNumber] = name.empty() ? m_book.Keep(std::to_string(m_place)) : name;
        if (wording.html)
            question[kDiagram] =
                m_book.Keep(FirstImageName(wording.isMade ? std::string_view(wording.made) : wording.inPlace));
        question[kQuestion] = wording.Plain(m_book);
        std::array<std::string_view, 4> feedback;
        for (size_t i = 0; i < 4; ++i) {
            question[kA + i] = answers[i].text.Plain(m_book);
            feedback[i] = answers[i].feedback.Plain(m_book);
        }
        if (std::string explanation = Explanation(generalFeedback.Plain(m_book), feedback); !explanation.empty())
            question[kExplanation] = m_book.Keep(std::move(explanation));
        question[kSection] = m_section;
        m_book.Add(line, question);
    }

    SourceBook& m_book;
    XmlReader m_xml;
    std::string_view m_section;
    int m_place = 0;
};

} // namespace

void ReadMoodleXmlBook(SourceBook& book)
{
    MoodleReader(book).Read();
}

} // namespace banktool
