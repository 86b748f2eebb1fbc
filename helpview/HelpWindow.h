#pragma once
// The help viewer's window: the contents tree beside the page, pages,
// pictures and style sheets read from the help file, links followed inside
// it, Escape to close.

#include "ChmFile.h"
#include "Contents.h"

#include "afx/ui/ReadableDocument.h"

#include <QSplitter>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// Shows pages of one help file; every resource a page names comes from it,
// and a name it does not hold reads as nothing, never as a file elsewhere.
class HelpBrowser : public afx::ReadableDocument {
public:
    HelpBrowser(const ChmFile& file, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

protected:
    // Tab selects the next link without moving any focus, so a reader
    // would hear nothing of it: the link is said.
    bool focusNextPrevChild(bool next) override;

private:
    const ChmFile& m_file;
};

class HelpWindow : public QSplitter {
public:
    HelpWindow();
    // file, or file::/page.htm to open on that page. False with a message
    // shown in the window when the file cannot be read.
    bool Open(const QString& argument);

    HelpBrowser* Browser() const { return m_browser; }
    QTreeWidget* ContentsTree() const { return m_tree; }
    // The line under the page that says why a link was not followed.
    QLabel* StatusLine() const { return m_status; }

private:
    void FillContents();
    void AddChildren(QTreeWidgetItem* item);
    void ShowPage(const QString& page);
    void FollowLink(const QUrl& link);
    void SelectCurrentPage(const QUrl& page);

    ChmFile m_file;
    std::vector<ContentsEntry> m_contents;
    QTreeWidget* m_tree;
    HelpBrowser* m_browser;
    QLabel* m_status;
};
