#include "AppFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>

AppTest::AppTest()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    std::filesystem::remove_all((config + "/Norvane Examiner").toStdString());
}

AppTest::~AppTest()
{
    Stop();
}

void AppTest::AddBank(const std::string& name, int books, int questions)
{
    BuildBankFile(folder.File(name), QuestionBankSql(books, questions));
}

bool AppTest::Start(const QStringList& arguments)
{
    Stop();
    app = std::make_unique<CQuilloApp>(arguments);
    app->SetDialogRunner(&dialogs);
    return app->InitInstance();
}

void AppTest::Close()
{
    if (Frame())
        Frame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AppTest::Stop()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app.reset();
}

CMainFrame* AppTest::Frame() const
{
    return app ? static_cast<CMainFrame*>(app->GetMainWnd()) : nullptr;
}

CQuilloView* AppTest::View() const
{
    return Frame() ? static_cast<CQuilloView*>(Frame()->GetActiveView()) : nullptr;
}

CQuilloDoc* AppTest::Document() const
{
    return Frame() ? static_cast<CQuilloDoc*>(Frame()->GetActiveDocument()) : nullptr;
}

void AppTest::ActivateFrame() const
{
    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
}

QAction* AppTest::ActionWithKeys(int id, const char* keys) const
{
    for (QAction* action : Frame()->findChildren<QAction*>())
        if (action->data().toInt() == id && action->shortcuts().contains(QKeySequence(keys)))
            return action;
    return nullptr;
}

QString AppTest::ControlText(int id) const
{
    QWidget* control = View()->GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        return text->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return QString();
}

void AppTest::SaveScreenshot(const std::string& name) const
{
    std::filesystem::create_directories(QUILLO_SCREENSHOTS);
    Frame()->grab().save(QString::fromStdString(std::string(QUILLO_SCREENSHOTS) + "/" + name + ".png"));
}
