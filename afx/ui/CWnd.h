#pragma once
// What a window with a dialog template offers the program's own code:
// controls found by id, enabling, and two-way data exchange.

#include "CCmdTarget.h"
#include "DialogTemplate.h"

class QWidget;

namespace afx {

class CDataExchange;
class DialogKeys;

class CWnd : public CCmdTarget {
public:
    QWidget* GetDlgItem(int id) const { return m_controls.Find(id); }
    void EnableWindow(int id, bool enable);
    // save: controls to members (pull); otherwise members to controls (push).
    bool UpdateData(bool save = true);
    const DialogControls& Controls() const { return m_controls; }
    DialogKeys& Keys() const { return *m_pKeys; }

    bool OnCmdMsg(int, CCmdUI*) override { return false; }

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    void CreateControls(const DialogTemplate& dialog, QWidget* host);

private:
    DialogControls m_controls;
    DialogKeys* m_pKeys = nullptr; // owned by the host widget
};

} // namespace afx
