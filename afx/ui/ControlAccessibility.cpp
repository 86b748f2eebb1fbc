#include "ControlAccessibility.h"

#include "ScreenReaderNotice.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace afx {
namespace {

const char* const kKindProperty = "afxControlKind";
const char* const kNamedAfterProperty = "afxNamedAfter";

QAccessible::Role ButtonRole(ControlKind kind)
{
    switch (kind) {
    case ControlKind::RadioButton:
        return QAccessible::RadioButton;
    case ControlKind::CheckBox:
        return QAccessible::CheckBox;
    default:
        return QAccessible::Button;
    }
}

// Pressing or toggling through the screen reader is a click: the check
// changes and the control's handler runs, as with the mouse.
class ButtonAccessible : public QAccessibleWidget {
public:
    ButtonAccessible(QAbstractButton* button, ControlKind kind)
        : QAccessibleWidget(button, ButtonRole(kind)), m_kind(kind)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (m_kind != ControlKind::PushButton) {
            state.checkable = true;
            state.checked = Button()->isChecked();
        } else if (auto* push = qobject_cast<QPushButton*>(Button())) {
            state.defaultButton = push->isDefault();
        }
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        QString own = QAccessibleWidget::text(kind);
        auto* source = qvariant_cast<QWidget*>(widget()->property(kNamedAfterProperty));
        QAccessibleInterface* shown = source != nullptr ? QAccessible::queryAccessibleInterface(source) : nullptr;
        if (kind != QAccessible::Name || shown == nullptr)
            return own;
        const QString value = shown->text(QAccessible::Value).simplified();
        return value.isEmpty() ? own : own + ". " + value;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << (m_kind == ControlKind::PushButton ? pressAction() : toggleAction());
        return names + QAccessibleWidget::actionNames();
    }

    // The assistive tool's call returns first and the click follows, as
    // for Qt's own buttons: a click that opens a dialog or a message would
    // otherwise hold the tool until it is closed.
    void doAction(const QString& name) override
    {
        if ((name == pressAction() || name == toggleAction()) && widget()->isEnabled())
            QTimer::singleShot(0, Button(), &QAbstractButton::click);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
    ControlKind m_kind;
};

// A closed list is heard as its caption and its value together: Orca 43
// takes a Qt list's caption from the label relation and then finds no
// value, so the caption is folded into the name and the relation dropped.
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        QString value = static_cast<const QComboBox*>(widget())->currentText();
        if (kind == QAccessible::Value)
            return value;
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        QString caption = QAccessibleWidget::text(QAccessible::Name);
        const auto labels = QAccessibleWidget::relations(QAccessible::Label);
        if (caption.isEmpty() && !labels.isEmpty())
            caption = labels.first().first->text(QAccessible::Name);
        return caption.isEmpty() ? value : caption + " " + value;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> kept;
        for (const auto& pair : QAccessibleWidget::relations(match))
            if (!(pair.second & QAccessible::Label))
                kept.append(pair);
        return kept;
    }

    // Its items, as Qt's own list gives them: the one child is the list
    // that drops down, whether it shows or not.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == Combo()->view() ? 0 : -1;
    }

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

// The name is the value shown; the caption beside it is the description,
// and stands in as the name while nothing is shown.
class ValueStaticAccessible : public QAccessibleWidget {
public:
    explicit ValueStaticAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        if (kind == QAccessible::Name)
            return label->text().trimmed().isEmpty() ? label->accessibleDescription() : label->text();
        if (kind == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* ControlFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    const QVariant kind = widget->property(kKindProperty);
    if (!kind.isValid())
        return nullptr;
    switch (static_cast<ControlKind>(kind.toInt())) {
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        return new ButtonAccessible(static_cast<QAbstractButton*>(widget), static_cast<ControlKind>(kind.toInt()));
    case ControlKind::Static:
        return new ValueStaticAccessible(static_cast<QLabel*>(widget));
    case ControlKind::ComboBox:
        return new ComboAccessible(static_cast<QComboBox*>(widget));
    default:
        return nullptr;
    }
}

} // namespace

void MarkControlKind(QWidget* widget, ControlKind kind)
{
    static const bool installed = (QAccessible::installFactory(ControlFactory), true);
    (void)installed;
    widget->setProperty(kKindProperty, static_cast<int>(kind));
    // A value chosen with the arrows in a closed list is said at once.
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] {
            if (combo->hasFocus())
                ScreenReaderNotice::In(combo->window())->Say(combo->currentText());
        });
}

void NameAfterText(QWidget* button, QWidget* text)
{
    button->setProperty(kNamedAfterProperty, QVariant::fromValue(text));
}

void DescribeForScreenReaders(const ControlTemplate& control, QWidget* widget)
{
    const QString name = CaptionText(control.accessibleName ? control.accessibleName : control.caption).remove('&');
    // A value static's own text is what is heard; a fixed name would hide it.
    if (control.kind == ControlKind::Static)
        widget->setAccessibleDescription(name);
    else
        widget->setAccessibleName(name);
}

QLabel* CaptionFor(QWidget* buddy, const QString& caption)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    label->setAccessibleName(QString(caption).remove('&'));
    return label;
}

} // namespace afx
