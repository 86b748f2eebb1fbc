#include "RememberedBanks.h"

#include "afx/ui/CWinApp.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

namespace remembered {
namespace {

const char* const kBanks = "Question Banks";
const char* const kRecordBanks = "Record Banks";

// A path has the settings' own separators in it; its bytes in hex do not.
std::string KeyOf(const CString& path)
{
    return QByteArray::fromStdString(path.Bytes()).toHex().toStdString();
}

CString IfThere(const CString& bank)
{
    return !bank.IsEmpty() && QFileInfo(QFile::decodeName(bank.Bytes().c_str())).isFile() ? bank : CString();
}

} // namespace

void NoteBankOpened(const CString& bank)
{
    if (afx::CWinApp* app = afx::AfxGetApp())
        app->WriteProfileString(kBanks, "Last", bank);
}

void NoteRecordOnBank(const CString& record, const CString& bank)
{
    if (afx::CWinApp* app = afx::AfxGetApp(); app != nullptr && !record.IsEmpty())
        app->WriteProfileString(kRecordBanks, KeyOf(record).c_str(), bank);
}

CString LastBank()
{
    afx::CWinApp* app = afx::AfxGetApp();
    return app ? IfThere(app->GetProfileString(kBanks, "Last")) : CString();
}

CString BankOfRecord(const CString& record)
{
    afx::CWinApp* app = afx::AfxGetApp();
    return app && !record.IsEmpty() ? IfThere(app->GetProfileString(kRecordBanks, KeyOf(record).c_str())) : CString();
}

} // namespace remembered
