#pragma once

#include "MessageRecorder.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "TestBank.h"

#include "app/CMainFrame.h"
#include "app/CQuilloApp.h"
#include "exam/CQuilloDoc.h"
#include "form/CQuilloView.h"

#include <gtest/gtest.h>

#include <memory>

// The whole program started in a folder of its own, with a fresh profile,
// its message boxes recorded and its dialogs scripted.
class AppTest : public testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    void AddBank(const std::string& name, int books = 2, int questions = 30);
    bool Start(const QStringList& arguments = {});
    // Closes the main window as the close box does, answering any question.
    void Close();
    // Ends this run; the next Start is a new run of the program.
    void Stop();

    CMainFrame* Frame() const;
    CQuilloView* View() const;
    CQuilloDoc* Document() const;
    QString ControlText(int id) const;
    // Window-wide keys only reach the active window.
    void ActivateFrame() const;
    // The action that carries command id with keys among its shortcuts.
    QAction* ActionWithKeys(int id, const char* keys) const;
    void SaveScreenshot(const std::string& name) const;

    TempFolder folder;
    WorkingFolder workingFolder{folder.Path()};
    MessageRecorder messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<CQuilloApp> app;
};
