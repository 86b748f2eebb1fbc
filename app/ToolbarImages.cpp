#include "ToolbarImages.h"

#include "form/FormIds.h"

#include "afx/ui/CommandIds.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace app {
namespace {

const QColor kPaper(250, 250, 250);
const QColor kAccent(30, 90, 170);

void Page(QPainter& p)
{
    p.setBrush(kPaper);
    p.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void Folder(QPainter& p)
{
    p.setBrush(QColor(230, 190, 80));
    p.drawPolygon(QPolygon({{1, 4}, {6, 4}, {7, 5}, {14, 5}, {14, 13}, {1, 13}}));
}

void Disk(QPainter& p)
{
    p.setBrush(kAccent);
    p.drawRect(2, 2, 12, 12);
    p.setBrush(kPaper);
    p.drawRect(4, 2, 8, 5);
    p.drawRect(5, 10, 6, 4);
}

void Sliders(QPainter& p)
{
    for (int y : {4, 8, 12})
        p.drawLine(2, y, 14, y);
    p.setBrush(kAccent);
    p.drawRect(4, 2, 3, 4);
    p.drawRect(9, 6, 3, 4);
    p.drawRect(6, 10, 3, 4);
}

void Arrow(QPainter& p, bool right, bool bar)
{
    p.setBrush(kAccent);
    const QPolygon shape = right ? QPolygon({{5, 3}, {11, 8}, {5, 13}}) : QPolygon({{11, 3}, {5, 8}, {11, 13}});
    p.drawPolygon(shape);
    if (bar) {
        const int x = right ? 12 : 3;
        p.drawRect(x, 3, 1, 10);
    }
}

void Bars(QPainter& p)
{
    p.setBrush(QColor(60, 150, 70));
    p.drawRect(2, 2, 10, 3);
    p.drawRect(2, 7, 6, 3);
    p.setBrush(QColor(200, 60, 50));
    p.drawRect(2, 12, 12, 3);
}

// A calendar page: reviews fall due on days.
void Calendar(QPainter& p)
{
    p.setBrush(kPaper);
    p.drawRect(2, 3, 12, 11);
    p.fillRect(2, 3, 13, 3, kAccent);
    p.fillRect(5, 8, 2, 2, kAccent);
    p.fillRect(9, 8, 2, 2, kAccent);
    p.fillRect(5, 11, 2, 2, kAccent);
}

void Clock(QPainter& p)
{
    p.setBrush(kPaper);
    p.drawEllipse(1, 1, 14, 14);
    p.setPen(QPen(kAccent, 2));
    p.drawLine(8, 8, 8, 4);
    p.drawLine(8, 8, 11, 10);
}

void Question(QPainter& p)
{
    p.setBrush(kAccent);
    p.drawEllipse(1, 1, 14, 14);
    p.setPen(QPen(kPaper, 2));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, "?");
}

QIcon Drawn(int commandId)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    // Outlines in the desktop's text colour: dark ink on a light bar, light
    // on a dark one.
    p.setPen(QGuiApplication::palette().color(QPalette::WindowText));
    switch (commandId) {
    case afx::ID_FILE_NEW:
        Page(p);
        break;
    case afx::ID_FILE_OPEN:
        Folder(p);
        break;
    case afx::ID_FILE_SAVE:
        Disk(p);
        break;
    case form::ID_SETUP:
        Sliders(p);
        break;
    case form::ID_FIRST_QUESTION:
        Arrow(p, false, true);
        break;
    case form::ID_PREVIOUS_QUESTION:
        Arrow(p, false, false);
        break;
    case form::ID_NEXT_QUESTION:
        Arrow(p, true, false);
        break;
    case form::ID_LAST_QUESTION:
        Arrow(p, true, true);
        break;
    case form::ID_REVIEW_DUE:
        Calendar(p);
        break;
    case form::ID_PROGRESS:
        Bars(p);
        break;
    case form::ID_PRACTICE_EXAM:
        Clock(p);
        break;
    default:
        Question(p);
        break;
    }
    return QIcon(pixmap);
}

const char* ThemeName(int commandId)
{
    switch (commandId) {
    case afx::ID_FILE_NEW:
        return "document-new";
    case afx::ID_FILE_OPEN:
        return "document-open";
    case afx::ID_FILE_SAVE:
        return "document-save";
    case form::ID_SETUP:
        return "preferences-system";
    case form::ID_FIRST_QUESTION:
        return "go-first";
    case form::ID_PREVIOUS_QUESTION:
        return "go-previous";
    case form::ID_NEXT_QUESTION:
        return "go-next";
    case form::ID_LAST_QUESTION:
        return "go-last";
    case form::ID_REVIEW_DUE:
        return "appointment-soon";
    case form::ID_PROGRESS:
        return "view-statistics";
    case form::ID_PRACTICE_EXAM:
        return "chronometer";
    default:
        return "help-contents";
    }
}

} // namespace

// hicolor, the theme a desktop without one of its own falls back on, holds
// programs' own icons and no actions; searching its folders for each
// button, image plugins loaded for the search, only slows the start.
QIcon ToolbarImage(int commandId)
{
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor"))
        return Drawn(commandId);
    return QIcon::fromTheme(ThemeName(commandId), Drawn(commandId));
}

} // namespace app
