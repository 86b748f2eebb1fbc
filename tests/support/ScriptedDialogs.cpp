#include "ScriptedDialogs.h"

#include <filesystem>

int ScriptedDialogs::Run(afx::CDialog& dialog)
{
    captions.push_back(dialog.windowTitle().toStdString());
    if (m_scripts.empty())
        return afx::IDCANCEL;
    Script script = std::move(m_scripts.front());
    m_scripts.pop_front();
    return script(dialog);
}

int ScriptedDialogs::RunStandard(QDialog& dialog)
{
    captions.push_back(dialog.windowTitle().toStdString());
    if (m_standardScripts.empty())
        return QDialog::Rejected;
    StandardScript script = std::move(m_standardScripts.front());
    m_standardScripts.pop_front();
    return script(dialog);
}

WorkingFolder::WorkingFolder(const std::string& path) : m_previous(std::filesystem::current_path().string())
{
    std::filesystem::current_path(path);
}

WorkingFolder::~WorkingFolder()
{
    std::filesystem::current_path(m_previous);
}
