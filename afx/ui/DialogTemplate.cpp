#include "DialogTemplate.h"

#include "ListBox.h"
#include "QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace afx {

BaseUnits DialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const int width = static_cast<int>(std::lround(metrics.horizontalAdvance(letters) / 52.0));
    return {width, metrics.height()};
}

QFont TemplateFont(const DialogTemplate& dialog)
{
    QFont font(dialog.fontFace);
    font.setPointSize(dialog.pointSize);
    return font;
}

QString CaptionText(const char* ansi)
{
    return ToQt(ansi ? ansi : "");
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
    m_order.push_back(control);
}

std::vector<int> DialogControls::RadioGroup(int firstId) const
{
    std::vector<int> group;
    bool inGroup = false;
    for (const ControlTemplate& control : m_order) {
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

QWidget* MakeEdit(const ControlTemplate& control, QWidget* parent)
{
    if (control.style & kMultiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setVerticalScrollBarPolicy((control.style & kVScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setTabChangesFocus(!(control.style & kWantReturn));
        return edit;
    }
    return new QLineEdit(parent);
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent)
{
    const QString caption = CaptionText(control.caption);
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setDefault(control.style & kDefault);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(caption, parent);
        radio->setAutoExclusive(false);  // groups follow the template, not the parent
        return radio;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::Label:
    case ControlKind::Static: {
        auto* label = new QLabel(caption, parent);
        if (control.style & kRightAlign)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::Edit:
        return MakeEdit(control, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        SetListBoxSorted(list, control.style & kSorted);
        return list;
    }
    case ControlKind::ComboBox:
        return new QComboBox(parent);
    case ControlKind::Icon:
        return new QLabel(parent);
    }
    return nullptr;
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
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = MakeControl(control, parent);
        widget->setGeometry(units.X(control.x), units.Y(control.y), units.X(control.cx), units.Y(control.cy));
        const char* name = control.accessibleName ? control.accessibleName : control.caption;
        widget->setAccessibleName(CaptionText(name).remove('&'));
        widget->setObjectName(QString("control%1").arg(control.id));
        if (control.kind == ControlKind::GroupBox)
            widget->lower();  // frames what follows it; must not cover it
        const bool focusable = control.kind != ControlKind::Label && control.kind != ControlKind::Static &&
                               control.kind != ControlKind::GroupBox && control.kind != ControlKind::Icon;
        if (focusable) {
            widget->setFocusPolicy((control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
        controls.Add(control, widget);
    }
    GroupRadios(dialog, controls, parent);
    return controls;
}

} // namespace afx
