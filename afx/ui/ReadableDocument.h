#pragma once
// A page of text a screen reader should meet as a document, which it can
// read line by line and all at once: a help page, an exam's result. Qt 6.4
// offers a text browser as a label, which Orca reads by its name alone;
// this browser offers itself as read-only text with the caret keys on.

#include <QTextBrowser>

namespace afx {

class ReadableDocument : public QTextBrowser {
public:
    explicit ReadableDocument(QWidget* parent = nullptr);
};

} // namespace afx
