#include "CFormView.h"

#include "CFrameWnd.h"
#include "DialogKeys.h"

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
        const bool sendsCommand = control.kind == ControlKind::PushButton || control.kind == ControlKind::RadioButton ||
                                  control.kind == ControlKind::CheckBox;
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

void CFormView::OnActivateView()
{
    QWidget* focused = m_pForm->focusWidget();
    if (focused == nullptr || !focused->isEnabled())
        Keys().FocusFirstTabStop();
}

void CFormView::ResizeParentToFit(bool shrinkOnly)
{
    CFrameWnd* frame = GetParentFrame();
    // A maximized or minimized frame keeps the size the desktop gave it.
    if (frame == nullptr || (frame->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        return;
    // The view's own size as if it had no scroll bars: it has no frame.
    const QSize client = size();
    QSize wanted = m_pForm->size();
    if (shrinkOnly)
        wanted = wanted.boundedTo(client);
    frame->resize(frame->size() + (wanted - client));
}

QSize CFormView::FormShortfall() const
{
    return (m_pForm->size() - size()).expandedTo(QSize(0, 0));
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
