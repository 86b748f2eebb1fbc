#include "CAboutDlg.h"

#include "AppIcon.h"

#include <QLabel>

namespace {

constexpr int IDC_APP_ICON = 128;

const afx::DialogTemplate kAboutTemplate = {
    100,
    "About Norvane Examiner",
    "MS Sans Serif",
    8,
    184,
    138,
    {
        {IDC_APP_ICON, afx::ControlKind::Icon, "", 13, 32, 20, 20, 0, "Norvane Examiner"},
        {afx::IDC_STATIC, afx::ControlKind::Label, "Quillo, the Norvane Examiner, version " QUILLO_VERSION, 40, 10, 136,
         16, afx::kGroup},
        {afx::IDC_STATIC, afx::ControlKind::Label,
         "Free software under the GNU General Public License, version 3 or later.", 40, 32, 136, 24, afx::kGroup},
        {afx::IDC_STATIC, afx::ControlKind::Label, "Mar 29, 2007", 70, 66, 43, 8, afx::kGroup},
        {afx::IDC_STATIC, afx::ControlKind::Label, "Build 29037", 72, 78, 38, 8, afx::kGroup},
        {afx::IDOK, afx::ControlKind::PushButton, "OK", 67, 111, 50, 14, afx::kDefault | afx::kTabStop | afx::kGroup},
    },
};

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(kAboutTemplate, parent)
{
    static_cast<QLabel*>(GetDlgItem(IDC_APP_ICON))->setPixmap(app::ApplicationIcon().pixmap(32, 32));
}
