#include "WindowFit.h"

#include <algorithm>
#include <cmath>

namespace diagview {

WindowFit FitWindow(QSize picture, QSize available, const std::function<int(int)>& captionHeight)
{
    const QSize room = (available - kFrameAllowance).expandedTo(QSize(1, 1));
    const QSize smallest = kSmallestWindow.boundedTo(room);
    if (picture.isEmpty())
        return {smallest, QSize()};

    // The caption wraps to the window's width, and the width depends on the
    // scale the caption's height leaves: twice round settles it, since a
    // narrower window only ever makes the caption taller.
    double scale = std::min({1.0, double(room.width()) / picture.width(), double(room.height()) / picture.height()});
    for (int round = 0; round < 2; ++round) {
        const int width = std::clamp(int(std::ceil(picture.width() * scale)), smallest.width(), room.width());
        const int pictureRoom = std::max(1, room.height() - captionHeight(width));
        scale = std::min({1.0, double(room.width()) / picture.width(), double(pictureRoom) / picture.height()});
    }
    const QSize drawn(std::max(1, int(std::floor(picture.width() * scale))),
                      std::max(1, int(std::floor(picture.height() * scale))));
    const int width = std::clamp(drawn.width(), smallest.width(), room.width());
    const int height = std::clamp(drawn.height() + captionHeight(width), smallest.height(), room.height());
    return {QSize(width, height), drawn};
}

} // namespace diagview
