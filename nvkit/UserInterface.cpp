#include "UserInterface.h"

#include "afx/ui/CDialog.h"
#include "afx/ui/QtText.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace nvkit {
namespace {

class QtInterface : public UserInterface {
public:
    bool CanShowWindows() override
    {
        if (QCoreApplication::instance() != nullptr)
            return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
        const auto given = [](const char* name) {
            const char* value = std::getenv(name);
            return value != nullptr && *value != '\0';
        };
        return given("QT_QPA_PLATFORM") || given("DISPLAY") || given("WAYLAND_DISPLAY");
    }
    void ShowMessage(const CString& text) override
    {
        if (!CanShowWindows()) {
            std::fprintf(stderr, "nvkit: %s\n", afx::ToQt(text).toUtf8().constData());
            return;
        }
        EnsureApplication();
        // The caller's window, when it has one, owns the message.
        QMessageBox box(QMessageBox::Warning, "nvkit", afx::ToQt(text), QMessageBox::Ok, QApplication::activeWindow(),
                        afx::kDialogFrame);
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
    // Left for the life of the process on purpose: the host program may
    // call again at any time, and Qt cannot be started twice in one process.
    new QApplication(argc, argv);
}

} // namespace nvkit
