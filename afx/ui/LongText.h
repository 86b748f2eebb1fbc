#pragma once
// Text from a bank or a record (a book's title, a section's name) may run
// to thousands of characters and hold anything. A layout shows it up to a
// width, elided, so that no dialog grows past the screen; the tooltip
// carries it whole, escaped, as Qt reads a tooltip that looks like markup
// as markup.

#include <QString>

class QFontMetrics;
class QWidget;

namespace afx {

// The text cut to about `characters` average characters of the font, with
// an ellipsis where it was cut.
QString Elided(const QFontMetrics& metrics, const QString& text, int characters);

// A tooltip that shows the text as written, never as markup.
QString PlainToolTip(const QString& text);

} // namespace afx
