#include "DiagramWindow.h"

#include "ScaledPicture.h"
#include "WindowFit.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace diagview {
namespace {

constexpr double kZoomStep = 1.25;
constexpr double kLeastZoom = 0.05;
constexpr double kMostZoom = 8.0;

QScrollArea* FramelessScrollArea(QWidget* contents)
{
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(contents);
    area->setWidgetResizable(true);
    area->setAlignment(Qt::AlignCenter);
    return area;
}

// Where the view's middle is, as a share of the scroll range, so that a
// zoom keeps the same part of the picture in sight.
double Middle(const QScrollBar* bar)
{
    const int span = bar->maximum() - bar->minimum() + bar->pageStep();
    return span <= 0 ? 0.5 : (bar->value() - bar->minimum() + bar->pageStep() / 2.0) / span;
}

void MoveMiddleTo(QScrollBar* bar, double middle)
{
    const int span = bar->maximum() - bar->minimum() + bar->pageStep();
    bar->setValue(bar->minimum() + int(middle * span - bar->pageStep() / 2.0));
}

} // namespace

DiagramWindow::DiagramWindow(const DiagramFile& diagram, QWidget* parent) : QWidget(parent)
{
    const QString name = QFileInfo(diagram.path).fileName();
    setWindowTitle(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    if (diagram.image.isNull()) {
        m_problem = new QLabel(diagram.problem);
        m_problem->setTextFormat(Qt::PlainText);
        m_problem->setWordWrap(true);
        m_problem->setMargin(24);
        m_problem->setAlignment(Qt::AlignCenter);
        m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(m_problem);
        setAccessibleName(diagram.problem);
    } else {
        m_picture = new ScaledPicture(diagram.image);
        m_pictureArea = FramelessScrollArea(m_picture);
        m_pictureArea->setFocusPolicy(Qt::StrongFocus);
        m_pictureArea->setAccessibleName("Diagram " + name);
        m_pictureArea->setAccessibleDescription(diagram.description);
        layout->addWidget(m_pictureArea, 1);
    }
    if (!diagram.description.isEmpty()) {
        m_caption = new QLabel(diagram.description);
        m_caption->setTextFormat(Qt::PlainText);
        m_caption->setWordWrap(true);
        m_caption->setMargin(8);
        // Reached with Tab, so that a screen reader reads it as text.
        m_caption->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        m_caption->setFocusPolicy(Qt::TabFocus);
        m_captionArea = FramelessScrollArea(m_caption);
        m_captionArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        layout->addWidget(m_captionArea);
    }
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

// A long description takes at most a third of the height, and scrolls.
void DiagramWindow::FitTo(QSize available)
{
    if (m_problem != nullptr) {
        resize(QSize(420, 160).boundedTo(available - kFrameAllowance));
        return;
    }
    const int captionRoom = (available.height() - kFrameAllowance.height()) / 3;
    const auto captionHeight = [&](int width) {
        if (m_caption == nullptr)
            return 0;
        return std::min(m_caption->heightForWidth(width), captionRoom);
    };
    const WindowFit fit = FitWindow(m_picture->sizeHint(), available, captionHeight);
    if (m_captionArea != nullptr)
        m_captionArea->setFixedHeight(captionHeight(fit.window.width()));
    resize(fit.window);
}

void DiagramWindow::keyPressEvent(QKeyEvent* event)
{
    if (m_picture == nullptr || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QString key = event->text();
    if (key == "+" || key == "=")
        ZoomTo(m_picture->Scale() * kZoomStep);
    else if (key == "-")
        ZoomTo(m_picture->Scale() / kZoomStep);
    else if (key == "0")
        ZoomTo(0);
    else if (key == "1")
        ZoomTo(1);
    else
        QWidget::keyPressEvent(event);
}

void DiagramWindow::ZoomTo(double zoom)
{
    const double across = Middle(m_pictureArea->horizontalScrollBar());
    const double down = Middle(m_pictureArea->verticalScrollBar());
    const bool fit = zoom <= 0;
    m_pictureArea->setWidgetResizable(fit);
    m_picture->SetZoom(fit ? 0 : std::clamp(zoom, kLeastZoom, kMostZoom));
    if (fit)
        return;
    MoveMiddleTo(m_pictureArea->horizontalScrollBar(), across);
    MoveMiddleTo(m_pictureArea->verticalScrollBar(), down);
}

} // namespace diagview
