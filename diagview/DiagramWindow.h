#pragma once
// The viewer's window: the picture fitted to it or zoomed (+, -, 0 to fit,
// 1 for its actual size), the description under it, Escape to close.

#include "DiagramFile.h"

#include <QWidget>

class QLabel;
class QScrollArea;

namespace diagview {

class ScaledPicture;

class DiagramWindow : public QWidget {
public:
    explicit DiagramWindow(const DiagramFile& diagram, QWidget* parent = nullptr);

    // Sizes the window for a screen with this much room, before it is shown.
    void FitTo(QSize available);

    // Null when the picture could not be read.
    ScaledPicture* Picture() const { return m_picture; }
    QScrollArea* PictureArea() const { return m_pictureArea; }
    // Null when there is no description.
    QLabel* Caption() const { return m_caption; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ZoomTo(double zoom);

    ScaledPicture* m_picture = nullptr;
    QScrollArea* m_pictureArea = nullptr;
    QLabel* m_caption = nullptr;
    QScrollArea* m_captionArea = nullptr;
    QLabel* m_problem = nullptr;
};

} // namespace diagview
