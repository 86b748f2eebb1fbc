#include "DataExchange.h"

#include "CWnd.h"
#include "ListBox.h"
#include "QtText.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdlib>

namespace afx {
namespace {

QString ReadText(QWidget* control)
{
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        return text->toPlainText().replace('\n', "\r\n");
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return QString();
}

// A value can be wider than the place the form laid out for it: a test of
// 100 in a field made for "99", a pool of 10,000 in one made for "9999". A
// label breaks its lines between words and cuts a word that does not fit,
// and "100" read "10"; so a left-aligned label of one line grows to its
// widest word as far as the next control on its line or the form's edge
// allow, and is never narrower than laid out.
void GrowToText(QLabel* label)
{
    const char* const kLaidOutWidth = "afxLaidOutWidth";
    QWidget* form = label->parentWidget();
    const QFontMetrics metrics = label->fontMetrics();
    if (form == nullptr || (label->alignment() & Qt::AlignHorizontal_Mask) != Qt::AlignLeft ||
        label->height() >= 2 * metrics.lineSpacing())
        return;
    if (!label->property(kLaidOutWidth).isValid())
        label->setProperty(kLaidOutWidth, label->width());
    const QRect laidOut(label->pos(), QSize(label->property(kLaidOutWidth).toInt(), label->height()));
    int widestWord = 0;
    for (const QString& word : label->text().simplified().split(' ', Qt::SkipEmptyParts))
        widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
    const QMargins margins = label->contentsMargins();
    const int needed = widestWord + margins.left() + margins.right() + 2 * label->margin();
    // Most values fit their place: the other controls are looked at only
    // when this one must grow.
    int width = laidOut.width();
    if (needed > width) {
        int room = form->width() - laidOut.left();
        for (QWidget* other : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect place = other->geometry();
            const bool onTheLine = place.top() <= laidOut.bottom() && place.bottom() >= laidOut.top();
            if (other != label && onTheLine && place.left() > laidOut.right())
                room = std::min(room, place.left() - laidOut.left());
        }
        width = std::max(width, std::min(needed, room));
    }
    if (width != label->width())
        label->resize(width, label->height());
}

void WriteText(QWidget* control, const QString& value)
{
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(value);
        line->setCursorPosition(0);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
        QString plain = value;
        text->setPlainText(plain.replace("\r\n", "\n"));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(value);
        GrowToText(label);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(value);
    }
}

// A control shows at most this much of a text: laying out a megabyte with
// no line break takes minutes, and no question is that long.
constexpr int kShownTextLimit = 10'000;
const char* const kCutTextProperty = "afxCutText";

QString ShownText(QWidget* control, const CString& value)
{
    if (value.GetLength() <= kShownTextLimit) {
        control->setProperty(kCutTextProperty, QVariant());
        return ToQt(value);
    }
    QString shown =
        ToQt(value.Left(kShownTextLimit)) +
        QString(" [\u2026 cut here: %1 more characters not shown]").arg(value.GetLength() - kShownTextLimit);
    control->setProperty(kCutTextProperty, shown);
    return shown;
}

// A cut text read back unchanged leaves the whole value as it was.
bool ShowsCutTextUnchanged(QWidget* control)
{
    const QVariant cut = control->property(kCutTextProperty);
    return cut.isValid() && ReadText(control).replace("\r\n", "\n") == cut.toString();
}

// Labels show text as typed: no rich text, no mnemonics eaten.
void PlainLabels(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setTextFormat(Qt::PlainText);
}

} // namespace

void DDX_Text(CDataExchange& dx, int id, CString& value)
{
    QWidget* control = dx.m_pDlgWnd->GetDlgItem(id);
    if (control == nullptr)
        return;
    PlainLabels(control);
    if (!dx.m_bSaveAndValidate)
        WriteText(control, ShownText(control, value));
    else if (!ShowsCutTextUnchanged(control))
        value = FromQt(ReadText(control));
}

void DDX_Text(CDataExchange& dx, int id, int& value)
{
    CString text;
    if (!dx.m_bSaveAndValidate)
        text.Format("%d", value);
    DDX_Text(dx, id, text);
    if (dx.m_bSaveAndValidate)
        value = std::atoi(text);
}

void DDX_Check(CDataExchange& dx, int id, int& value)
{
    auto* box = qobject_cast<QAbstractButton*>(dx.m_pDlgWnd->GetDlgItem(id));
    if (box == nullptr)
        return;
    if (dx.m_bSaveAndValidate)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void DDX_Radio(CDataExchange& dx, int id, int& value)
{
    const std::vector<int> group = dx.m_pDlgWnd->Controls().RadioGroup(id);
    if (dx.m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (static_cast<QAbstractButton*>(dx.m_pDlgWnd->GetDlgItem(group[i]))->isChecked())
                value = static_cast<int>(i);
        return;
    }
    for (size_t i = 0; i < group.size(); ++i) {
        auto* button = static_cast<QAbstractButton*>(dx.m_pDlgWnd->GetDlgItem(group[i]));
        // An exclusive group refuses to lose its last checked button.
        QButtonGroup* exclusive = button->group();
        if (exclusive)
            exclusive->setExclusive(false);
        button->setChecked(static_cast<int>(i) == value);
        if (exclusive)
            exclusive->setExclusive(true);
    }
}

void DDX_LBString(CDataExchange& dx, int id, CString& value)
{
    auto* list = qobject_cast<QListWidget*>(dx.m_pDlgWnd->GetDlgItem(id));
    if (list == nullptr)
        return;
    if (dx.m_bSaveAndValidate) {
        QListWidgetItem* item = list->currentItem();
        value = (item && item->isSelected()) ? ListBoxItemText(item) : CString();
        return;
    }
    const QString prefix = ToQt(value);
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text().startsWith(prefix, Qt::CaseInsensitive)) {
            list->setCurrentRow(row);
            return;
        }
    }
    list->setCurrentRow(-1);
}

} // namespace afx
