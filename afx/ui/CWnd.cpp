#include "CWnd.h"

#include "DataExchange.h"
#include "DialogKeys.h"

#include <QWidget>

namespace afx {

void CWnd::EnableWindow(int id, bool enable)
{
    if (QWidget* control = GetDlgItem(id))
        control->setEnabled(enable);
}

bool CWnd::UpdateData(bool save)
{
    CDataExchange dx(this, save);
    DoDataExchange(dx);
    return true;
}

void CWnd::DoDataExchange(CDataExchange&) {}

void CWnd::CreateControls(const DialogTemplate& dialog, QWidget* host)
{
    m_controls = BuildDialog(dialog, host);
    m_pKeys = new DialogKeys(m_controls, host);
}

} // namespace afx
