#include "HelpWindow.h"

#include "afx/ui/ScreenFit.h"
#include "afx/ui/ScreenReaderNotice.h"

#include "Contents.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPageRole = Qt::UserRole;
// The ContentsEntry an item shows, whose children it makes when opened.
constexpr int kEntryRole = Qt::UserRole + 1;
// A contents tree up to this size opens fully expanded; a larger one makes
// each branch when it is opened.
constexpr int kExpandedContents = 500;

// Pages are named by their path inside the help file, from its root.
QString PagePath(const QUrl& url)
{
    QString path = url.path();
    return path.startsWith('/') ? path : "/" + path;
}

bool InsideHelpFile(const QUrl& url)
{
    return (url.scheme().isEmpty() || url.scheme() == "file") && url.host().isEmpty();
}

QTreeWidgetItem* NewItem(const ContentsEntry& entry)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, entry.name);
    item->setData(0, kPageRole, entry.local);
    item->setData(0, kEntryRole, QVariant::fromValue(static_cast<const void*>(&entry)));
    item->setChildIndicatorPolicy(entry.children.empty() ? QTreeWidgetItem::DontShowIndicator
                                                         : QTreeWidgetItem::ShowIndicator);
    return item;
}

int CountEntries(const std::vector<ContentsEntry>& top)
{
    int count = 0;
    std::vector<const std::vector<ContentsEntry>*> lists{&top};
    while (!lists.empty()) {
        const std::vector<ContentsEntry>* list = lists.back();
        lists.pop_back();
        count += static_cast<int>(list->size());
        for (const ContentsEntry& entry : *list)
            lists.push_back(&entry.children);
    }
    return count;
}

} // namespace

HelpBrowser::HelpBrowser(const ChmFile& file, QWidget* parent) : ReadableDocument(parent), m_file(file)
{
    setOpenLinks(false);
    setAccessibleName("Help page");
}

bool HelpBrowser::focusNextPrevChild(bool next)
{
    const QTextCursor before = textCursor();
    if (!ReadableDocument::focusNextPrevChild(next))
        return false;
    if (textCursor() != before && textCursor().hasSelection())
        afx::ScreenReaderNotice::In(window())->Say("Link: " + textCursor().selectedText().simplified());
    return true;
}

// An empty answer, not a null one: for a null one the document would read
// the name from the file system itself.
QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    QByteArray data = InsideHelpFile(name) ? m_file.Read(PagePath(name)) : QByteArray();
    if (data.isNull())
        data = QByteArray("");
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(data.isEmpty() ? QByteArray(" ") : data);
    return data;
}

HelpWindow::HelpWindow()
    : m_tree(new QTreeWidget(this)), m_browser(new HelpBrowser(m_file, nullptr)), m_status(new QLabel)
{
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName("Contents");
    m_browser->setAccessibleDescription("The help topic chosen in the contents");
    m_status->setAccessibleName("Status");
    // It quotes the help file's links, which are not ours.
    m_status->setTextFormat(Qt::PlainText);
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser, 1);
    layout->addWidget(m_status);
    addWidget(m_tree);
    addWidget(page);
    setStretchFactor(1, 3);
    afx::ResizeWithinScreen(*this, QSize(860, 600));
    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, &HelpWindow::AddChildren);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectCurrentPage);
    // A reader hears nothing of the topic a followed link opens.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        if (m_browser->hasFocus())
            afx::ScreenReaderNotice::In(this)->Say("Opened: " + m_browser->documentTitle().simplified());
    });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    // F6 goes between the contents and the page, where Tab goes from link to link.
    auto* otherPane = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(otherPane, &QShortcut::activated, this, [this] {
        (m_tree->hasFocus() ? static_cast<QWidget*>(m_browser) : m_tree)->setFocus(Qt::ShortcutFocusReason);
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == m_tree && !m_tree->selectedItems().isEmpty())
            m_tree->setCurrentItem(m_tree->selectedItems().first());
    });
}

bool HelpWindow::Open(const QString& argument)
{
    const int pageMark = argument.indexOf("::");
    const QString path = pageMark < 0 ? argument : argument.left(pageMark);
    setWindowTitle(QFileInfo(path).fileName());
    if (!m_file.Open(path)) {
        m_browser->setPlainText(QString("The help file %1 cannot be read.").arg(path));
        return false;
    }
    if (!m_file.Title().isEmpty())
        setWindowTitle(m_file.Title());
    FillContents();
    QString page = pageMark < 0 ? m_file.DefaultTopic() : argument.mid(pageMark + 2);
    if (page.isEmpty() && m_tree->topLevelItemCount() > 0)
        page = m_tree->topLevelItem(0)->data(0, kPageRole).toString();
    ShowPage(page.isEmpty() ? "index.htm" : page);
    m_browser->setFocus();
    return true;
}

void HelpWindow::FillContents()
{
    const QByteArray sitemap = m_file.Read(m_file.ContentsFile().isEmpty() ? "/toc.hhc" : m_file.ContentsFile());
    m_contents = ReadContents(QString::fromUtf8(sitemap));
    for (const ContentsEntry& entry : m_contents)
        m_tree->addTopLevelItem(NewItem(entry));
    if (CountEntries(m_contents) <= kExpandedContents)
        for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
            (*it)->setExpanded(true);
}

// A branch's items are made when it is first opened.
void HelpWindow::AddChildren(QTreeWidgetItem* item)
{
    if (item->childCount() > 0)
        return;
    const auto* entry = static_cast<const ContentsEntry*>(item->data(0, kEntryRole).value<const void*>());
    if (entry == nullptr)
        return;
    for (const ContentsEntry& child : entry->children)
        item->addChild(NewItem(child));
}

void HelpWindow::ShowPage(const QString& page)
{
    if (!page.isEmpty())
        m_browser->setSource(QUrl(page.startsWith('/') ? page : "/" + page));
}

// Pages of the help file open here; the web and mail go to the desktop's
// browser and mail program; nothing else leaves the viewer.
void HelpWindow::FollowLink(const QUrl& link)
{
    const QString scheme = link.scheme().toLower();
    if (scheme == "http" || scheme == "https" || scheme == "mailto") {
        m_status->clear();
        QDesktopServices::openUrl(link);
        return;
    }
    if (!InsideHelpFile(link)) {
        m_status->setText(QString("Links of the kind \"%1:\" are not opened here.").arg(scheme));
        return;
    }
    const QUrl target = m_browser->source().resolved(link);
    if (!link.path().isEmpty() && !m_file.Has(PagePath(target))) {
        m_status->setText(QString("The help file has no page %1.").arg(PagePath(target)));
        return;
    }
    m_status->clear();
    m_browser->setSource(target);
}

// The contents show the page shown. While the reader is in the page, its
// entry is only selected: Qt 6.4 tells a screen reader that the current
// entry of a tree has the focus, and Orca would leave the page for it. The
// entry becomes the current one as the focus enters the contents.
void HelpWindow::SelectCurrentPage(const QUrl& page)
{
    const QString path = PagePath(page);
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        if ("/" + (*it)->data(0, kPageRole).toString() == path) {
            if (m_tree->hasFocus()) {
                m_tree->setCurrentItem(*it);
            } else {
                m_tree->clearSelection();
                (*it)->setSelected(true);
                m_tree->scrollToItem(*it);
            }
            return;
        }
}
