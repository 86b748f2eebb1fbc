#pragma once
// What a screen reader is told about a template's controls: buttons,
// radios and check boxes with their own roles, whose actions are a click
// as the mouse gives it, and value statics that speak the value they show;
// and the captions of dialogs built in code.

#include "DialogTemplate.h"

class QLabel;
class QString;
class QWidget;

namespace afx {

// Must come before the widget has any text: the first change of text
// already makes and keeps its accessible interface.
void MarkControlKind(QWidget* widget, ControlKind kind);

// Makes widget, built for control, answer screen readers as the control.
void DescribeForScreenReaders(const ControlTemplate& control, QWidget* widget);

// A button or radio whose name is followed by what another control shows,
// as it shows it: the radio "Answer A" is heard as "Answer A. Red".
void NameAfterText(QWidget* button, QWidget* text);

// A caption whose Alt key moves to buddy. Its accessible name is its text
// without the '&': Qt 6.8 keeps the '&' in a label's name, and Orca 48
// reads the label of the control, so it would be heard.
QLabel* CaptionFor(QWidget* buddy, const QString& caption);

} // namespace afx
