#pragma once
// A dialog template as data, as the resource compiler would hold it, and the
// one builder that turns it into Qt widgets placed by dialog units.

#include "CommandIds.h"

#include "afx/CString.h"

#include <map>
#include <vector>

class QFont;
class QString;
class QWidget;

namespace afx {

enum class ControlKind { PushButton, RadioButton, CheckBox, Label, Static, Edit, GroupBox, ListBox, ComboBox, Icon };

// Style bits that change what the builder makes.
enum ControlStyle : unsigned {
    kGroup = 1u << 0,
    kTabStop = 1u << 1,
    kDefault = 1u << 2,
    kMultiLine = 1u << 3,
    kVScroll = 1u << 4,
    kWantReturn = 1u << 5,
    kAutoHScroll = 1u << 6,
    kRightAlign = 1u << 7,
    kAuto = 1u << 8,
    kSorted = 1u << 9,
    kNotify = 1u << 10,
    kBorder = 1u << 11,
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* caption;
    int x, y, cx, cy;
    unsigned style;
    // For an edit: the label a screen reader announces for it.
    const char* accessibleName = nullptr;
};

struct DialogTemplate {
    int id;
    const char* caption;
    const char* fontFace;
    int pointSize;
    int cx, cy;
    std::vector<ControlTemplate> controls;
};

// Pixels per 4 horizontal and 8 vertical dialog units for the template font.
struct BaseUnits {
    int width;
    int height;
    int X(int units) const { return units * width / 4; }
    int Y(int units) const { return units * height / 8; }
};

BaseUnits DialogBaseUnits(const QFont& font);
// The template's face, at its size or the desktop's, whichever is larger.
QFont TemplateFont(const DialogTemplate& dialog);

// Controls of a built template, found by id or taken in template order.
class DialogControls {
public:
    struct Entry {
        ControlTemplate control;
        QWidget* widget;
    };

    QWidget* Find(int id) const;
    std::vector<int> RadioGroup(int firstId) const;
    void Add(const ControlTemplate& control, QWidget* widget);
    const std::vector<Entry>& InOrder() const { return m_order; }

private:
    std::map<int, QWidget*> m_byId;
    std::vector<Entry> m_order;
};

// Whether the dialog manager gives a control of this kind the focus.
bool TakesFocus(ControlKind kind);

// Builds every control into parent, sized to the template, in tab order.
DialogControls BuildDialog(const DialogTemplate& dialog, QWidget* parent);

// Windows' text has "&" before the mnemonic letter; Qt uses the same mark.
QString CaptionText(const char* ansi);

} // namespace afx
