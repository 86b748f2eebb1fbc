#include "ScriptedDialogs.h"

#include <filesystem>

namespace {

// The next script runs the dialog; without one it is cancelled.
template <class Dialog, class Scripts>
int RunNext(Dialog& dialog, Scripts& scripts, int cancelled, std::vector<std::string>& captions)
{
    captions.push_back(dialog.windowTitle().toStdString());
    if (scripts.empty())
        return cancelled;
    auto script = std::move(scripts.front());
    scripts.pop_front();
    return script(dialog);
}

} // namespace

int ScriptedDialogs::Run(afx::CDialog& dialog)
{
    return RunNext(dialog, m_scripts, afx::IDCANCEL, captions);
}

int ScriptedDialogs::RunStandard(QDialog& dialog)
{
    return RunNext(dialog, m_standardScripts, QDialog::Rejected, captions);
}

WorkingFolder::WorkingFolder(const std::string& path) : m_previous(std::filesystem::current_path().string())
{
    std::filesystem::current_path(path);
}

WorkingFolder::~WorkingFolder()
{
    std::filesystem::current_path(m_previous);
}
