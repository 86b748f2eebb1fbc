#include "AppFixture.h"

#include "app/ToolbarImages.h"

#include "afx/ui/CommandIds.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

#include <QThread>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// Each entry of a menu as "caption|id|shortcut"; separators as "-".
std::vector<std::string> Entries(QMenu* menu)
{
    std::vector<std::string> entries;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            entries.emplace_back("-");
            continue;
        }
        entries.push_back(action->text().toStdString() + "|" + std::to_string(action->data().toInt()) + "|" +
                          action->shortcut().toString().toStdString());
    }
    return entries;
}

QMenu* Menu(QMenuBar* bar, const QString& title)
{
    for (QAction* action : bar->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

class MenuTest : public AppTest {
protected:
    MenuTest() { AddBank("only.db"); }
};

} // namespace

TEST_F(MenuTest, MenusFollowTheResourceTable)
{
    ASSERT_TRUE(Start());
    QMenuBar* bar = Frame()->menuBar();
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Setup", "&Questions", "&View", "&Help"}));
    EXPECT_EQ(Entries(Menu(bar, "&File")),
              (std::vector<std::string>{"&New|57600|Ctrl+N", "&Open...|57601|Ctrl+O",
                                        "Open Question &Bank...|32780|Ctrl+B", "&Save|57603|Ctrl+S",
                                        "Save &As...|57604|", "-", "Recent File|0|", "-", "E&xit|57665|Ctrl+Q"}));
    EXPECT_EQ(Entries(Menu(bar, "&Questions")),
              (std::vector<std::string>{"&First Question|59648|", "&Previous Question|59651|", "&Next Question|59650|",
                                        "&Last Question|59649|", "&Retry Missed|32774|Ctrl+R",
                                        "Review &Due|32781|Ctrl+D", "E&xplanation...|32782|Ctrl+L", "-",
                                        "Pro&gress...|32775|Ctrl+G", "Practice &Exam...|32776|Ctrl+E",
                                        "F&inish Exam|32777|Ctrl+F", "&Time Left|32778|Ctrl+T"}));
    EXPECT_EQ(Entries(Menu(bar, "&View")), (std::vector<std::string>{"&Toolbar|59392|", "&Status Bar|59393|"}));
    EXPECT_EQ(Entries(Menu(bar, "&Help")),
              (std::vector<std::string>{"&Help...|32772|F1", "&Tech Support on the Web...|32773|",
                                        "&About quillo...|57664|"}));
    EXPECT_EQ(Menu(bar, "&Questions")->actions()[2]->statusTip(), "Move to next question");
    EXPECT_EQ(Menu(bar, "&File")->actions()[8]->statusTip(), "Quit the application; prompts to save documents");
    for (QAction* action : Frame()->findChild<QToolBar*>()->actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->toolTip().isEmpty() || action->statusTip().isEmpty()) << action->data().toInt();
        }
    }
    EXPECT_EQ(Frame()->findChild<QToolBar*>()->actions()[4]->toolTip(), "Setup");
}

TEST_F(MenuTest, TheRecentFilesReplaceThePlaceholder)
{
    ASSERT_TRUE(Start());
    for (int i = 1; i <= 2; ++i)
        ASSERT_TRUE(Document()->DoSave(folder.File("r" + std::to_string(i) + ".nve").c_str(), true));
    QMenu* file = Menu(Frame()->menuBar(), "&File");
    emit file->aboutToShow();
    std::vector<std::string> visible;
    for (QAction* action : file->actions())
        if (action->isVisible() && !action->isSeparator())
            visible.push_back(action->text().toStdString());
    ASSERT_EQ(visible.size(), 8u);
    EXPECT_EQ(visible[5], "&1 " + folder.File("r2.nve"));
    EXPECT_EQ(visible[6], "&2 " + folder.File("r1.nve"));
}

TEST_F(MenuTest, AboutShowsItsTexts)
{
    ASSERT_TRUE(Start());
    QStringList texts;
    dialogs.Then([&texts](afx::CDialog& dialog) {
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        return int(afx::IDOK);
    });
    Frame()->RouteCommand(afx::ID_APP_ABOUT);
    EXPECT_EQ(dialogs.captions, (std::vector<std::string>{"About Norvane Examiner"}));
    EXPECT_EQ(texts, (QStringList{"Quillo, the Norvane Examiner, version " QUILLO_VERSION,
                                  "Free software under the GNU General Public License, version 3 or later.",
                                  "Mar 29, 2007", "Build 29037"}));
}

TEST_F(MenuTest, HelpOpensQuilloChmThroughTheLibrary)
{
    setenv("NVKIT_HELP_VIEWER", RECORD_ARGS, 1);
    setenv("RECORD_FILE", folder.File("help.log").c_str(), 1);
    std::filesystem::copy_file(std::string(QUILLO_SAMPLE_DIR) + "/quillo.chm", folder.File("quillo.chm"));
    ASSERT_TRUE(Start());
    Frame()->RouteCommand(32772);
    std::vector<std::string> log;
    for (int tries = 0; tries < 300 && log.size() < 2; ++tries) {
        QThread::msleep(10);
        log.clear();
        std::ifstream in(folder.File("help.log"));
        for (std::string line; std::getline(in, line);)
            log.push_back(line);
    }
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], "quillo.chm");
    EXPECT_TRUE(messages.texts.empty());

    // No help here nor beside the program: the user is told, not left waiting.
    std::filesystem::remove(folder.File("quillo.chm"));
    Frame()->RouteCommand(32772);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0].rfind("The help could not be shown", 0), 0u);
}

TEST_F(MenuTest, TheHighlightedItemsPromptShowsInTheStatusBar)
{
    ASSERT_TRUE(Start());
    QMenu* questions = Menu(Frame()->menuBar(), "&Questions");
    QAction* next = questions->actions()[2];
    Frame()->UpdateCommandUI();
    const QPoint at = Frame()->menuBar()->actionGeometry(Frame()->menuBar()->actions()[2]).bottomLeft();
    questions->popup(Frame()->mapToGlobal(at));
    questions->setActiveAction(next);
    QApplication::processEvents();
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), "Move to next question");

    QImage shot = Frame()->grab().toImage();
    QPainter painter(&shot);
    painter.drawPixmap(Frame()->mapFromGlobal(questions->pos()), questions->grab());
    painter.end();
    std::filesystem::create_directories(QUILLO_SCREENSHOTS);
    shot.save(QString(QUILLO_SCREENSHOTS) + "/questions-menu.png");
    questions->hide();
}

// Without an icon theme the toolbar's pictures are drawn, outlined in the
// palette's text colour: light on a dark theme's bar, dark on a light one.
TEST(ToolbarImages, OutlinesFollowThePalette)
{
    const QPalette original = QGuiApplication::palette();
    for (const QColor text : {QColor(235, 235, 235), QColor(20, 20, 20)}) {
        QPalette palette = original;
        palette.setColor(QPalette::WindowText, text);
        QGuiApplication::setPalette(palette);
        const QImage page = app::ToolbarImage(afx::ID_FILE_NEW).pixmap(16, 16).toImage();
        bool outlined = false;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                outlined |= page.pixelColor(x, y) == text;
        EXPECT_TRUE(outlined) << text.name().toStdString();
    }
    QGuiApplication::setPalette(original);
}
