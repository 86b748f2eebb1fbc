#include "ReaderMissingDialog.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace nvkit {
namespace {

constexpr int IDC_PICTURE = 2005;

const char* const kWelcome =
    "Welcome to Norvane Pellomar. Pellomar requires Adobe Acrobat Reader ver 5.0 or 6.0 on your computer. "
    "A check of your system shows that ver 5/6 has not been installed.";
const char* const kInstall =
    "To run Pellomar, please install Acrobat Reader 5/6 and then re-run this installation. Refer to the "
    "installation notes shown prior to this test for details.";

const afx::DialogTemplate kReaderMissing = {
    2003,
    "Check for Adobe Reader 5.0",
    "MS Sans Serif",
    8,
    249,
    241,
    {
        {IDC_PICTURE, afx::ControlKind::Icon, "", 58, 13, 133, 121, 0, "Document reader"},
        {afx::IDC_STATIC, afx::ControlKind::Label, kWelcome, 42, 141, 167, 35, afx::kGroup},
        {afx::IDC_STATIC, afx::ControlKind::Label, kInstall, 41, 177, 166, 27, afx::kGroup},
        {afx::IDOK, afx::ControlKind::PushButton, "  Exit Installation  ", 94, 213, 60, 14,
         afx::kDefault | afx::kTabStop | afx::kGroup},
    },
};

// Bitmap 2005: a page with a folded corner and a red band, 200 x 197.
QPixmap ReaderPicture()
{
    QPixmap picture(200, 197);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(QColor(245, 245, 240));
    p.drawPolygon(QPolygon({{50, 15}, {130, 15}, {155, 40}, {155, 182}, {50, 182}}));
    p.drawPolyline(QPolygon({{130, 15}, {130, 40}, {155, 40}}));
    p.setBrush(QColor(190, 30, 30));
    p.setPen(Qt::NoPen);
    p.drawRect(50, 120, 105, 34);
    p.setPen(QPen(QColor(120, 120, 120), 4));
    for (int y : {60, 78, 96})
        p.drawLine(66, y, 139, y);
    return picture;
}

} // namespace

ReaderMissingDialog::ReaderMissingDialog() : CDialog(kReaderMissing)
{
    auto* picture = static_cast<QLabel*>(GetDlgItem(IDC_PICTURE));
    picture->setPixmap(ReaderPicture().scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignCenter);
    for (QLabel* label : findChildren<QLabel*>())
        if (label != picture)
            label->setWordWrap(true);
}

CString ReaderMissingDialog::Text()
{
    return CString(kWelcome) + " " + kInstall;
}

} // namespace nvkit
