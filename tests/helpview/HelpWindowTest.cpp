// The help viewer on the help file the build makes, read the way a user
// and a screen reader meet it.
#include "HelpWindow.h"

#include "afx/ui/ScreenFit.h"
#include "afx/ui/ScreenReaderNotice.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kHelpFile = QUILLO_SAMPLE_DIR "/quillo.chm";

QString AccessibleText(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr || accessible->textInterface() == nullptr)
        return QString();
    QAccessibleTextInterface* text = accessible->textInterface();
    return text->text(0, text->characterCount());
}

TEST(HelpWindow, OpensOnTheDefaultTopicBesideItsContentsAndFollowsALinkFromTheKeyboard)
{
    HelpWindow window;
    ASSERT_TRUE(window.Open(kHelpFile));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_TRUE(AccessibleText(window.Browser()).contains("Quillo, the Norvane Examiner"));
    EXPECT_GE(window.ContentsTree()->topLevelItemCount(), 1);
    ASSERT_EQ(window.ContentsTree()->selectedItems().size(), 1);
    // Read as a document, line by line, each line whole.
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(window.Browser());
    EXPECT_EQ(page->role(), QAccessible::EditableText);
    EXPECT_TRUE(page->state().readOnly);
    int start = -1;
    int end = -1;
    EXPECT_EQ(page->textInterface()->textAtOffset(3, QAccessible::LineBoundary, &start, &end).toStdString(),
              "Quillo, the Norvane Examiner\n");
    page->textInterface()->attributes(3, &start, &end);
    EXPECT_EQ(end - start, page->textInterface()->characterCount()) << "one run of attributes, or lines are cut";
    EXPECT_TRUE(window.Browser()->document()->toHtml().contains("font-weight", Qt::CaseInsensitive))
        << "the style sheet and headings are not applied";

    // The first link is the first Tab, and is heard; Return follows it,
    // and the topic it opens is heard.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
    window.Browser()->setFocus();
    QTest::keyClick(window.Browser(), Qt::Key_Tab);
    auto* notice = afx::ScreenReaderNotice::In(&window);
    EXPECT_TRUE(notice->Message().startsWith("Link: ")) << notice->Message().toStdString();
    QTest::keyClick(window.Browser(), Qt::Key_Return);
    EXPECT_TRUE(notice->Message().startsWith("Opened: ")) << notice->Message().toStdString();
    EXPECT_EQ(window.Browser()->source().fileName().toStdString(), "starting.htm");
    EXPECT_TRUE(AccessibleText(window.Browser()).contains("Starting", Qt::CaseInsensitive));
    // The contents show the page by selecting it; making it current would
    // tell a screen reader that the focus left the page.
    ASSERT_EQ(window.ContentsTree()->selectedItems().size(), 1);
    EXPECT_EQ(window.ContentsTree()->selectedItems().first()->data(0, Qt::UserRole).toString().toStdString(),
              "starting.htm");

    QTest::keyClick(window.Browser(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// A table is read row by row, its key apart from what it does, and none
// of the marks where its cells begin and end is spelled out.
TEST(HelpWindow, TheKeyboardTableIsReadRowByRow)
{
    HelpWindow window;
    ASSERT_TRUE(window.Open(kHelpFile + "::/keyboard.htm"));
    QAccessibleTextInterface* page = QAccessible::queryAccessibleInterface(window.Browser())->textInterface();
    const QString whole = page->text(0, page->characterCount());
    EXPECT_EQ(whole.size(), page->characterCount()) << "one character a caret position";
    EXPECT_FALSE(whole.contains(QChar(0xFDD0)) || whole.contains(QChar(0xFDD1)));
    const int next = static_cast<int>(whole.indexOf("Next question"));
    ASSERT_GE(next, 0);
    int start = -1;
    int end = -1;
    EXPECT_EQ(page->textAtOffset(next + 2, QAccessible::LineBoundary, &start, &end).toStdString(),
              "Alt+N\tNext question\n");
}

TEST(HelpWindow, AFileThatIsNotHelpSaysSoInTheWindow)
{
    HelpWindow window;
    EXPECT_FALSE(window.Open(QUILLO_SAMPLE_DIR "/sample.db"));
    EXPECT_TRUE(AccessibleText(window.Browser()).contains("cannot be read"));
}

// A help file from anyone: nothing it names outside itself is read, and
// no link it holds starts anything but the browser for the web.
TEST(HelpWindow, NothingOutsideTheHelpFileIsShownOrStarted)
{
    HelpWindow window;
    ASSERT_TRUE(window.Open(kHelpFile));
    QFile local("/etc/hostname");
    ASSERT_TRUE(local.exists());
    for (const char* name : {"file:///etc/hostname", "/etc/hostname", "../../../../etc/hostname", "smb://host/x"})
        EXPECT_TRUE(
            window.Browser()->document()->resource(QTextDocument::ImageResource, QUrl(name)).toByteArray().isEmpty())
            << name;

    const QUrl page = window.Browser()->source();
    for (const char* link : {"javascript:alert(1)", "smb://host/share", "../../etc/passwd"}) {
        emit window.Browser()->anchorClicked(QUrl(link));
        EXPECT_EQ(window.Browser()->source(), page) << link;
        EXPECT_FALSE(window.StatusLine()->text().isEmpty()) << link;
    }
    EXPECT_TRUE(window.StatusLine()->text().contains("no page"));
    emit window.Browser()->anchorClicked(QUrl("javascript:alert(1)"));
    EXPECT_EQ(window.StatusLine()->text(), "Links of the kind \"javascript:\" are not opened here.");
}

TEST(HelpContents, NestingAndSizeAreBoundedWithoutRecursion)
{
    const QString entry = R"(<li><object type="text/sitemap"><param name="Name" value="x"></object>)";
    QString deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<ul>" + entry;
    std::vector<ContentsEntry> top = ReadContents(deep);
    int depth = 0;
    for (const std::vector<ContentsEntry>* level = &top; !level->empty(); level = &level->front().children)
        ++depth;
    EXPECT_EQ(depth, kDeepestContents);

    const std::vector<ContentsEntry> flat = ReadContents("<ul>" + entry.repeated(300000) + "</ul>");
    EXPECT_EQ(flat.size(), static_cast<size_t>(kMostContents));
}

} // namespace

// On the tests' 800 x 600 screen the viewer opens within it, frame and all.
TEST(HelpWindow, OpensWithinASmallScreen)
{
    HelpWindow window;
    ASSERT_TRUE(window.Open(kHelpFile));
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size() - afx::kFrameAllowance;
    EXPECT_LE(window.width(), room.width());
    EXPECT_LE(window.height(), room.height());
}
