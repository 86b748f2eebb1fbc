// The help viewer on the help file the build makes, read the way a user
// and a screen reader meet it.
#include "HelpWindow.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QTest>
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
    ASSERT_NE(window.ContentsTree()->currentItem(), nullptr);
    EXPECT_TRUE(window.Browser()->document()->toHtml().contains("font-weight", Qt::CaseInsensitive))
        << "the style sheet and headings are not applied";

    // The first link is the first Tab; Return follows it.
    QTest::keyClick(window.Browser(), Qt::Key_Tab);
    QTest::keyClick(window.Browser(), Qt::Key_Return);
    EXPECT_EQ(window.Browser()->source().fileName().toStdString(), "starting.htm");
    EXPECT_TRUE(AccessibleText(window.Browser()).contains("Starting", Qt::CaseInsensitive));
    EXPECT_EQ(window.ContentsTree()->currentItem()->data(0, Qt::UserRole).toString().toStdString(), "starting.htm");

    QTest::keyClick(window.Browser(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpWindow, AFileThatIsNotHelpSaysSoInTheWindow)
{
    HelpWindow window;
    EXPECT_FALSE(window.Open(QUILLO_SAMPLE_DIR "/sample.db"));
    EXPECT_TRUE(AccessibleText(window.Browser()).contains("cannot be read"));
}

} // namespace
