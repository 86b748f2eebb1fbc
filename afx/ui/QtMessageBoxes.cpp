#include "QtMessageBoxes.h"

#include "CommandIds.h"
#include "QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace afx {

int QtMessageBoxes::Show(const CString& text, unsigned type)
{
    QWidget* parent = QApplication::activeWindow();
    if (type == MB_YESNOCANCEL) {
        const auto answer = QMessageBox::question(parent, m_caption, ToQt(text),
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                  QMessageBox::Yes);
        return answer == QMessageBox::Yes ? IDYES : answer == QMessageBox::No ? IDNO : IDCANCEL;
    }
    QMessageBox box(QMessageBox::Warning, m_caption, ToQt(text), QMessageBox::Ok, parent);
    box.exec();
    return IDOK;
}

} // namespace afx
