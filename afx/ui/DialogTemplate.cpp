#include "DialogTemplate.h"

#include "ControlAccessibility.h"
#include "ListBox.h"
#include "QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace afx {

BaseUnits DialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const int width = static_cast<int>(std::lround(metrics.horizontalAdvance(letters) / 52.0));
    return {width, metrics.height()};
}

// The template's face at its size, or at the desktop's when that is
// larger: a user who needs a larger font gets it in the form and the
// dialogs too, laid out in proportion, as in the menus.
QFont TemplateFont(const DialogTemplate& dialog)
{
    QFont font(dialog.fontFace);
    font.setPointSizeF(std::max<qreal>(dialog.pointSize, QGuiApplication::font().pointSizeF()));
    return font;
}

QString CaptionText(const char* ansi)
{
    return ToQt(ansi ? ansi : "");
}

bool TakesFocus(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::Static && kind != ControlKind::GroupBox &&
           kind != ControlKind::Icon;
}

QWidget* DialogControls::Find(int id) const
{
    const auto found = m_byId.find(id);
    return found == m_byId.end() ? nullptr : found->second;
}

void DialogControls::Add(const ControlTemplate& control, QWidget* widget)
{
    if (control.id != -1)
        m_byId[control.id] = widget;
    m_order.push_back({control, widget});
}

std::vector<int> DialogControls::RadioGroup(int firstId) const
{
    std::vector<int> group;
    bool inGroup = false;
    for (const Entry& entry : m_order) {
        const ControlTemplate& control = entry.control;
        if (inGroup && (control.style & kGroup))
            break;
        if (control.id == firstId)
            inGroup = true;
        if (inGroup && control.kind == ControlKind::RadioButton)
            group.push_back(control.id);
    }
    return group;
}

namespace {

template <typename Widget>
Widget* Make(const ControlTemplate& control, QWidget* parent)
{
    auto* widget = new Widget(parent);
    MarkControlKind(widget, control.kind);
    return widget;
}

QWidget* MakeEdit(const ControlTemplate& control, QWidget* parent)
{
    if (control.style & kMultiLine) {
        auto* edit = Make<QPlainTextEdit>(control, parent);
        edit->setVerticalScrollBarPolicy((control.style & kVScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Tab always leaves; "wants Return" only means Return breaks the line.
        edit->setTabChangesFocus(true);
        return edit;
    }
    return Make<QLineEdit>(control, parent);
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent)
{
    const QString caption = CaptionText(control.caption);
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = Make<QPushButton>(control, parent);
        button->setText(caption);
        button->setDefault(control.style & kDefault);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::RadioButton: {
        auto* radio = Make<QRadioButton>(control, parent);
        radio->setText(caption);
        radio->setAutoExclusive(false); // groups follow the template, not the parent
        return radio;
    }
    case ControlKind::CheckBox: {
        auto* check = Make<QCheckBox>(control, parent);
        check->setText(caption);
        return check;
    }
    case ControlKind::Label:
    case ControlKind::Static: {
        // A static draws its text from the top, breaking lines between
        // words, and clips what does not fit at the bottom: the start of a
        // long text always shows.
        auto* label = Make<QLabel>(control, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(((control.style & kRightAlign) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        label->setText(caption);
        return label;
    }
    case ControlKind::Edit:
        return MakeEdit(control, parent);
    case ControlKind::GroupBox: {
        auto* box = Make<QGroupBox>(control, parent);
        box->setTitle(caption);
        return box;
    }
    case ControlKind::ListBox: {
        auto* list = Make<QListWidget>(control, parent);
        SetListBoxSorted(list, control.style & kSorted);
        return list;
    }
    case ControlKind::ComboBox:
        return Make<QComboBox>(control, parent);
    case ControlKind::Icon:
        return Make<QLabel>(control, parent);
    }
    return nullptr;
}

// A combo box's template height is its height dropped down: closed, it is
// one line tall, and the list below it fills the rest.
void SizeComboBox(QComboBox* combo, const QRect& dropped)
{
    const int closed = combo->sizeHint().height();
    combo->setGeometry(dropped.x(), dropped.y(), dropped.width(), closed);
    const int itemHeight = combo->fontMetrics().height() + 2;
    combo->setMaxVisibleItems(std::max(1, (dropped.height() - closed) / itemHeight));
}

// What a screen reader is told a control belongs to, found on the page as
// a sighted user finds it: a field is labelled by the caption just on its
// left on the same line, or else by the group box around it; a button
// inside a group box is described by its title.
struct Placed {
    const ControlTemplate* control;
    QWidget* widget;
    QRect rect;
};

// The caption on the field's left, on its line, with no more than two
// lines' height of space between; the nearest when there are several.
const Placed* CaptionBeside(const std::vector<Placed>& placed, const Placed& field)
{
    const Placed* caption = nullptr;
    for (const Placed& label : placed) {
        const int gap = field.rect.left() - label.rect.right();
        const bool beside = label.control->kind == ControlKind::Label && gap > 0 && gap <= 2 * label.rect.height() &&
                            label.rect.top() < field.rect.top() + field.rect.height() &&
                            field.rect.top() < label.rect.top() + label.rect.height();
        if (beside && (caption == nullptr || label.rect.right() > caption->rect.right()))
            caption = &label;
    }
    return caption;
}

void LabelForScreenReaders(const std::vector<Placed>& placed)
{
    const auto groupAround = [&placed](const QRect& rect) -> const Placed* {
        for (const Placed& group : placed)
            if (group.control->kind == ControlKind::GroupBox && group.rect.contains(rect.center()))
                return &group;
        return nullptr;
    };
    for (const Placed& item : placed) {
        const ControlKind kind = item.control->kind;
        if (kind == ControlKind::RadioButton || kind == ControlKind::CheckBox) {
            if (const Placed* group = groupAround(item.rect); group && item.widget->accessibleDescription().isEmpty())
                item.widget->setAccessibleDescription(CaptionText(group->control->caption).remove('&'));
            continue;
        }
        if (kind != ControlKind::Edit && kind != ControlKind::ComboBox && kind != ControlKind::ListBox)
            continue;
        if (const Placed* caption = CaptionBeside(placed, item))
            static_cast<QLabel*>(caption->widget)->setBuddy(item.widget);
        else if (const Placed* group = groupAround(item.rect); group && item.widget->accessibleName().isEmpty())
            item.widget->setAccessibleName(CaptionText(group->control->caption).remove('&'));
    }
}

// Automatic radios exclude each other within their template group, which
// runs from a group-style control to the next one.
void GroupRadios(const DialogTemplate& dialog, const DialogControls& controls, QWidget* parent)
{
    QButtonGroup* group = nullptr;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.style & kGroup)
            group = nullptr;
        if (control.kind != ControlKind::RadioButton)
            continue;
        if (group == nullptr)
            group = new QButtonGroup(parent);
        group->addButton(static_cast<QRadioButton*>(controls.Find(control.id)));
    }
}

} // namespace

DialogControls BuildDialog(const DialogTemplate& dialog, QWidget* parent)
{
    const QFont font = TemplateFont(dialog);
    parent->setFont(font);
    const BaseUnits units = DialogBaseUnits(font);
    parent->resize(units.X(dialog.cx), units.Y(dialog.cy));

    DialogControls controls;
    QWidget* previous = nullptr;
    std::vector<Placed> placed;
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = MakeControl(control, parent);
        const QRect rect(units.X(control.x), units.Y(control.y), units.X(control.cx), units.Y(control.cy));
        if (control.kind == ControlKind::ComboBox)
            SizeComboBox(static_cast<QComboBox*>(widget), rect);
        else
            widget->setGeometry(rect);
        DescribeForScreenReaders(control, widget);
        placed.push_back({&control, widget, widget->geometry()});
        widget->setObjectName(QString("control%1").arg(control.id));
        if (control.kind == ControlKind::GroupBox)
            widget->lower(); // frames what follows it; must not cover it
        if (TakesFocus(control.kind)) {
            widget->setFocusPolicy((control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
        controls.Add(control, widget);
    }
    GroupRadios(dialog, controls, parent);
    LabelForScreenReaders(placed);
    return controls;
}

} // namespace afx
