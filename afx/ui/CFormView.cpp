#include "CFormView.h"

#include "CFrameWnd.h"

#include <QAbstractButton>
#include <QApplication>

namespace afx {

CFormView::CFormView(const DialogTemplate& dialog) : m_pForm(new QWidget)
{
    CreateControls(dialog, m_pForm);
    setWidget(m_pForm);
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    for (const ControlTemplate& control : dialog.controls) {
        const bool sendsCommand = control.kind == ControlKind::PushButton || control.kind == ControlKind::RadioButton;
        if (!sendsCommand)
            continue;
        auto* button = static_cast<QAbstractButton*>(GetDlgItem(control.id));
        const int id = control.id;
        connect(button, &QAbstractButton::clicked, this, [this, id] {
            if (CFrameWnd* frame = GetParentFrame())
                frame->RouteCommand(id);
        });
    }
}

CFrameWnd* CFormView::GetParentFrame() const
{
    return dynamic_cast<CFrameWnd*>(window());
}

void CFormView::OnInitialUpdate()
{
    UpdateData(false);
}

void CFormView::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CFormView::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

} // namespace afx
