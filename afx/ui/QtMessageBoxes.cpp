#include "QtMessageBoxes.h"

#include "CommandIds.h"

#include <QApplication>
#include <QMessageBox>

namespace afx {

int QtMessageBoxes::Show(const std::string& utf8, unsigned type)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QWidget* parent = QApplication::activeWindow();
    if (type == MB_YESNOCANCEL || type == MB_YESNO) {
        const auto buttons = type == MB_YESNO ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        const auto answer = QMessageBox::question(parent, m_caption, text, buttons, QMessageBox::Yes);
        return answer == QMessageBox::Yes ? IDYES : answer == QMessageBox::No ? IDNO : IDCANCEL;
    }
    QMessageBox box(QMessageBox::Warning, m_caption, text, QMessageBox::Ok, parent);
    box.exec();
    return IDOK;
}

} // namespace afx
