#include "UserInterface.h"

#include "afx/ui/CDialog.h"
#include "afx/ui/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace nvkit {
namespace {

class QtInterface : public UserInterface {
public:
    void ShowMessage(const CString& text) override
    {
        EnsureApplication();
        QMessageBox box(QMessageBox::Warning, "nvkit", afx::ToQt(text), QMessageBox::Ok);
        box.exec();
    }
    int RunDialog(afx::CDialog& dialog) override
    {
        dialog.OnInitDialog();
        return dialog.exec();
    }
};

QtInterface g_qt;
UserInterface* g_ui = &g_qt;

} // namespace

UserInterface& Ui()
{
    return *g_ui;
}

void SetUserInterface(UserInterface* ui)
{
    g_ui = ui ? ui : &g_qt;
}

void EnsureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "nvkit";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

} // namespace nvkit
