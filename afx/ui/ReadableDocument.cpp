#include "ReadableDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextTable>

namespace afx {

namespace {

bool InSameRow(const QTextBlock& block, const QTextBlock& next)
{
    QTextCursor here(block);
    QTextCursor there(next);
    QTextTable* table = here.currentTable();
    return next.isValid() && table != nullptr && there.currentTable() == table &&
           table->cellAt(here).row() == table->cellAt(there).row() &&
           table->cellAt(here).column() != table->cellAt(there).column();
}

// The page's plain text, its caret and its selection, read from the
// browser's own cursor; line boundaries are the base class's.
class PageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PageAccessible(ReadableDocument* page) : QAccessibleWidget(page, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override
    {
        const QTextCursor cursor = Page()->textCursor();
        *start = index == 0 && cursor.hasSelection() ? cursor.selectionStart() : 0;
        *end = index == 0 && cursor.hasSelection() ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return Page()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = Page()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        Page()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return Page()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = Page()->textCursor();
        cursor.setPosition(position);
        Page()->setTextCursor(cursor);
    }

    // Read block by block, one character for each position of the caret:
    // the document's raw text also holds the marks where frames and table
    // cells begin and end, which a reader would spell out. A mark between
    // two cells of a row reads as a tab, any other as a line break, so a
    // table's key and what it does are never glued together.
    QString text(int start, int end) const override
    {
        start = std::clamp(start, 0, characterCount());
        end = std::clamp(end, start, characterCount());
        QString plain;
        for (QTextBlock block = Page()->document()->findBlock(start); block.isValid() && block.position() < end;
             block = block.next()) {
            const int textEnd = block.position() + block.length() - 1;
            const int from = std::max(start, block.position());
            const int to = std::min(end, textEnd);
            if (from < to)
                plain += block.text().mid(from - block.position(), to - from);
            if (textEnd >= start && textEnd < end)
                plain += InSameRow(block, block.next()) ? QChar('\t') : QChar('\n');
        }
        for (QChar& ch : plain)
            if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator)
                ch = QChar('\n');
            else if (ch == QChar::Nbsp)
                ch = QChar(' ');
        return plain;
    }

    // Lines as the page shows them, wrapped, which the caret keys move by;
    // in a table, the whole row, which the up and down keys move by.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        QTextCursor cursor(Page()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        if (QTextTable* table = cursor.currentTable()) {
            const int row = table->cellAt(cursor).row();
            *start = table->cellAt(row, 0).firstPosition();
            *end = std::min(table->cellAt(row, table->columns() - 1).lastPosition() + 1, characterCount());
            return text(*start, *end);
        }
        cursor.movePosition(QTextCursor::StartOfLine);
        *start = cursor.position();
        cursor.movePosition(QTextCursor::EndOfLine);
        // The line break after the line belongs to it.
        *end = std::min(cursor.position() + 1, characterCount());
        return text(*start, *end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, boundary, start, end);
        int lineStart = 0;
        int lineEnd = 0;
        textAtOffset(offset, boundary, &lineStart, &lineEnd);
        if (lineStart == 0) {
            *start = *end = 0;
            return QString();
        }
        return textAtOffset(lineStart - 1, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, boundary, start, end);
        int lineStart = 0;
        int lineEnd = 0;
        textAtOffset(offset, boundary, &lineStart, &lineEnd);
        if (lineEnd >= characterCount()) {
            *start = *end = characterCount();
            return QString();
        }
        return textAtOffset(lineEnd, boundary, start, end);
    }
    QString text(QAccessible::Text kind) const override { return QAccessibleWidget::text(kind); }
    int characterCount() const override { return Page()->document()->characterCount() - 1; }

    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(Page()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        const QRect local = Page()->cursorRect(cursor);
        return QRect(Page()->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return Page()->cursorForPosition(Page()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override
    {
        setCursorPosition(start);
        Page()->ensureCursorVisible();
    }
    // No attributes: one run over the whole text, as a reader that joins
    // runs into lines expects.
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    ReadableDocument* Page() const { return static_cast<ReadableDocument*>(widget()); }
};

QAccessibleInterface* DocumentAccessible(const QString&, QObject* object)
{
    auto* page = dynamic_cast<ReadableDocument*>(object);
    return page != nullptr ? new PageAccessible(page) : nullptr;
}

} // namespace

ReadableDocument::ReadableDocument(QWidget* parent) : QTextBrowser(parent)
{
    // Before anything here makes the toolkit's own interface for the page.
    static const bool installed = (QAccessible::installFactory(DocumentAccessible), true);
    (void)installed;
    // A caret that the arrow keys move, so a screen reader reads the page
    // line by line, as it reads a document.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
}

} // namespace afx
