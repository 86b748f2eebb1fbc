#include "LongText.h"

#include <QFontMetrics>

namespace afx {

QString Elided(const QFontMetrics& metrics, const QString& text, int characters)
{
    return metrics.elidedText(text, Qt::ElideRight, metrics.averageCharWidth() * characters);
}

QString PlainToolTip(const QString& text)
{
    return "<qt>" + text.toHtmlEscaped() + "</qt>";
}

} // namespace afx
