#include "QtMessageBoxes.h"

#include "CDialog.h"
#include "CWinApp.h"
#include "CommandIds.h"
#include "ScreenReaderPause.h"

#include <QApplication>
#include <QMessageBox>

namespace afx {

int QtMessageBoxes::Show(const std::string& utf8, unsigned type)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QWidget* parent = QApplication::activeWindow();
    if (parent == nullptr && AfxGetApp() != nullptr)
        parent = AfxGetApp()->VisibleMainWnd();
    LetScreenReaderFinishTheKey();
    const unsigned buttons = type & MB_TYPEMASK;
    const bool asks = buttons == MB_YESNOCANCEL || buttons == MB_YESNO;
    QMessageBox box(asks ? QMessageBox::Question : QMessageBox::Warning, m_caption, text, QMessageBox::NoButton, parent,
                    kDialogFrame);
    // Messages name files and books, whose names are never markup.
    box.setTextFormat(Qt::PlainText);
    if (!asks) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return IDOK;
    }
    box.setStandardButtons(buttons == MB_YESNO ? QMessageBox::Yes | QMessageBox::No
                                               : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton((type & MB_DEFBUTTON2) != 0 ? QMessageBox::No : QMessageBox::Yes);
    const int answer = box.exec();
    return answer == QMessageBox::Yes ? IDYES : answer == QMessageBox::No ? IDNO : IDCANCEL;
}

} // namespace afx
