#pragma once

#include "TempFolder.h"

#include "nvkit/UserInterface.h"

#include "afx/ui/CDialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

// Records what the library would show; dialogs run a script.
class RecordingUi : public nvkit::UserInterface {
public:
    RecordingUi() { nvkit::SetUserInterface(this); }
    ~RecordingUi() override { nvkit::SetUserInterface(nullptr); }

    bool CanShowWindows() override { return true; }
    void ShowMessage(const CString& text) override { messages.push_back(text.Bytes()); }
    int RunDialog(afx::CDialog& dialog) override
    {
        dialog.OnInitDialog();
        captions.push_back(dialog.windowTitle().toStdString());
        return script ? script(dialog) : afx::IDCANCEL;
    }

    std::vector<std::string> messages;
    std::vector<std::string> captions;
    std::function<int(afx::CDialog&)> script;
};

inline std::vector<std::string> Lines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
