#pragma once

#include "afx/MessageBox.h"
#include "afx/ui/CDialog.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Stands in for the user in front of modal dialogs: each dialog shown runs
// the next script, which may work its controls and returns how it ended.
// With no script left a dialog is cancelled.
class ScriptedDialogs : public afx::DialogRunner {
public:
    using Script = std::function<int(afx::CDialog&)>;

    int Run(afx::CDialog& dialog) override;
    void Then(Script script) { m_scripts.push_back(std::move(script)); }

    std::vector<std::string> captions;

private:
    std::deque<Script> m_scripts;
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
