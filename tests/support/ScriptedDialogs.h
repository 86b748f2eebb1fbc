#pragma once

#include "afx/MessageBox.h"
#include "afx/ui/CDialog.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Stands in for the user in front of modal dialogs: each dialog shown runs
// the next script, which may work its controls and returns how it ended.
// With no script left a dialog is cancelled. The system's own dialogs
// (print, preview) have scripts of their own.
class ScriptedDialogs : public afx::DialogRunner {
public:
    using Script = std::function<int(afx::CDialog&)>;

    using StandardScript = std::function<int(QDialog&)>;

    int Run(afx::CDialog& dialog) override;
    int RunStandard(QDialog& dialog) override;
    void Then(Script script) { m_scripts.push_back(std::move(script)); }
    void ThenStandard(StandardScript script) { m_standardScripts.push_back(std::move(script)); }

    std::vector<std::string> captions;

private:
    std::deque<Script> m_scripts;
    std::deque<StandardScript> m_standardScripts;
};

// Makes a folder the working folder for the object's lifetime.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& path);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::string m_previous;
};
