#include "HelpWindow.h"

#include "Contents.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHeaderView>
#include <QShortcut>
#include <QTextDocument>
#include <QTreeWidget>

namespace {

constexpr int kPageRole = Qt::UserRole;

void AddEntries(const std::vector<ContentsEntry>& entries, QTreeWidgetItem* parent, QTreeWidget* tree)
{
    for (const ContentsEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, entry.name);
        item->setData(0, kPageRole, entry.local);
        AddEntries(entry.children, item, tree);
    }
}

// Pages are named by their path inside the help file, from its root.
QString PagePath(const QUrl& url)
{
    QString path = url.path();
    return path.startsWith('/') ? path : "/" + path;
}

} // namespace

HelpBrowser::HelpBrowser(const ChmFile& file, QWidget* parent) : QTextBrowser(parent), m_file(file)
{
    setOpenLinks(true);
    setOpenExternalLinks(true);
    setAccessibleName("Help page");
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (!name.scheme().isEmpty() && name.scheme() != "file")
        return QTextBrowser::loadResource(type, name);
    const QByteArray data = m_file.Read(PagePath(name));
    if (data.isNull())
        return QVariant();
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(data);
    return data;
}

HelpWindow::HelpWindow() : m_tree(new QTreeWidget(this)), m_browser(new HelpBrowser(m_file, this))
{
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName("Contents");
    m_browser->setAccessibleDescription("The help topic chosen in the contents");
    addWidget(m_tree);
    addWidget(m_browser);
    setStretchFactor(1, 3);
    resize(860, 600);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        ShowPage(item->data(0, kPageRole).toString());
    });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        ShowPage(item->data(0, kPageRole).toString());
    });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectCurrentPage);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
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
    AddEntries(ReadContents(QString::fromUtf8(sitemap)), nullptr, m_tree);
    m_tree->expandAll();
}

void HelpWindow::ShowPage(const QString& page)
{
    if (!page.isEmpty())
        m_browser->setSource(QUrl(page.startsWith('/') ? page : "/" + page));
}

void HelpWindow::SelectCurrentPage(const QUrl& page)
{
    const QString path = PagePath(page);
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        if ("/" + (*it)->data(0, kPageRole).toString() == path) {
            m_tree->setCurrentItem(*it);
            return;
        }
}
