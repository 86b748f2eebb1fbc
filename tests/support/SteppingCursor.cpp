#include "SteppingCursor.h"

#include "bank/TextConversion.h"

#include <stdexcept>

std::ostream& operator<<(std::ostream& out, const QuestionFields& fields)
{
    out << fields.key;
    for (const std::string& text : fields.texts)
        out << '|' << text;
    return out;
}

QuestionFields FieldsOf(const CQuestionSet& reader)
{
    QuestionFields fields;
    fields.key = reader.m_nKey;
    const CString* const texts[] = {&reader.m_strColumn1,       &reader.m_strNumber,   &reader.m_strCorrect,
                                    &reader.m_strQuestion,      &reader.m_strAnswerA,  &reader.m_strAnswerB,
                                    &reader.m_strAnswerC,       &reader.m_strAnswerD,  &reader.m_strDiagram,
                                    &reader.m_strDiagramFolder, &reader.m_strColumn11, &reader.m_strColumn12};
    for (size_t i = 0; i < fields.texts.size(); ++i)
        fields.texts[i] = texts[i]->Bytes();
    return fields;
}

SteppingCursor::SteppingCursor(sqlite3* db, const std::string& sql)
{
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    MoveFirst();
}

SteppingCursor::~SteppingCursor()
{
    sqlite3_finalize(m_statement);
}

int SteppingCursor::MoveFirst()
{
    sqlite3_reset(m_statement);
    m_rowIndex = -1;
    m_hasRow = 0;
    Step();
    return m_hasRow;
}

int SteppingCursor::MoveNext()
{
    if (m_hasRow != 0)
        Step();
    return m_hasRow;
}

void SteppingCursor::Move(int n)
{
    MoveFirst();
    for (int i = 0; i < n; ++i)
        MoveNext();
}

void SteppingCursor::MoveLast()
{
    while (m_hasRow != 0)
        MoveNext();
}

int SteppingCursor::MoveToNumber(const std::string& number)
{
    MoveFirst();
    while (m_hasRow != 0 && Number() != number)
        MoveNext();
    return m_hasRow;
}

int SteppingCursor::CountPool()
{
    const int remembered = m_rowIndex;
    int count = 0;
    for (MoveFirst(); m_hasRow != 0; MoveNext())
        ++count;
    MoveFirst();
    Move(remembered);
    return count;
}

void SteppingCursor::Step()
{
    if (sqlite3_step(m_statement) != SQLITE_ROW) {
        m_hasRow = 0;
        return;
    }
    m_hasRow = 1;
    ++m_rowIndex;
    m_fields.key = sqlite3_column_type(m_statement, 0) == SQLITE_NULL ? 0 : sqlite3_column_int(m_statement, 0);
    for (int column = 1; column <= 12; ++column) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        m_fields.texts[static_cast<size_t>(column - 1)] = text == nullptr ? "" : litex::Utf8ToAnsi(text);
    }
}
