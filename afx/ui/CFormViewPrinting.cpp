#include "CFormView.h"

#include "CDialog.h"
#include "CWinApp.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace afx {

void CFormView::OnFilePrint()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (AfxGetApp()->GetDialogRunner().RunStandard(dialog) == QDialog::Accepted)
        PrintForm(printer);
}

void CFormView::OnFilePrintPreview()
{
    QPrinter printer;
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* page) { PrintForm(*page); });
    AfxGetApp()->GetDialogRunner().RunStandard(dialog);
}

// The form keeps its proportions and is never drawn larger than the screen
// shows it at the printer's resolution.
void CFormView::PrintForm(QPrinter& printer) const
{
    QPainter painter(&printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize form = m_pForm->size();
    if (form.isEmpty())
        return;
    const double screenScale = double(printer.resolution()) / std::max(1, logicalDpiX());
    const double scale =
        std::min({screenScale, double(page.width()) / form.width(), double(page.height()) / form.height()});
    painter.scale(scale, scale);
    m_pForm->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

} // namespace afx
