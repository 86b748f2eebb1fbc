#include "AcrobatCheck.h"

#include "ReaderMissingDialog.h"
#include "Registry.h"
#include "UserInterface.h"

namespace nvkit {

namespace {
const char* const kReaderKeys[] = {
    R"(Software\Adobe\Adobe Acrobat\5.0\InstallPath)", R"(Software\Adobe\Acrobat Reader\5.0\InstallPath)",
    R"(Software\Adobe\Adobe Acrobat\7.0\InstallPath)", R"(Software\Adobe\Acrobat Reader\7.0\InstallPath)",
    R"(Software\Adobe\Adobe Acrobat\6.0\InstallPath)", R"(Software\Adobe\Acrobat Reader\6.0\InstallPath)",
};
} // namespace

bool ReaderInstalled()
{
    for (const char* key : kReaderKeys)
        if (RegistryKeyExists("HKEY_LOCAL_MACHINE", key))
            return true;
    if (!Ui().CanShowWindows()) {
        Ui().ShowMessage(ReaderMissingDialog::Text());
        return false;
    }
    EnsureApplication();
    ReaderMissingDialog dialog;
    Ui().RunDialog(dialog);
    return false;
}

} // namespace nvkit
