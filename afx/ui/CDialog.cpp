#include "CDialog.h"

#include "CWinApp.h"
#include "CommandIds.h"
#include "DialogKeys.h"
#include "QtText.h"
#include "ScreenReaderPause.h"

#include <QAbstractButton>
#include <QListWidget>

namespace afx {

namespace {
// A dialog belongs to the main window, so that the window manager keeps it
// above it and gives it a dialog's frame: a close box, no minimise or
// maximise.
QWidget* OwnerOr(QWidget* parent)
{
    if (parent == nullptr && AfxGetApp() != nullptr)
        parent = AfxGetApp()->VisibleMainWnd();
    return parent;
}
} // namespace

CDialog::CDialog(const DialogTemplate& dialog, QWidget* parent) : QDialog(OwnerOr(parent), kDialogFrame)
{
    setWindowTitle(ToQt(dialog.caption));
    CreateControls(dialog, this);
    setFixedSize(size());
    if (auto* ok = qobject_cast<QAbstractButton*>(GetDlgItem(IDOK)))
        connect(ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
    if (auto* cancel = qobject_cast<QAbstractButton*>(GetDlgItem(IDCANCEL)))
        connect(cancel, &QAbstractButton::clicked, this, [this] { OnCancel(); });
    Keys().OnEscape([this] { OnCancel(); });
}

int CDialog::DoModal()
{
    if (!OnInitDialog())
        return -1;
    // Unless OnInitDialog chose a control, the first tab stop has the focus.
    if (focusWidget() == nullptr)
        Keys().FocusFirstTabStop();
    return AfxGetApp()->GetDialogRunner().Run(*this);
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

int DialogRunner::RunStandard(QDialog& dialog)
{
    LetScreenReaderFinishTheKey();
    return dialog.exec();
}

} // namespace afx
