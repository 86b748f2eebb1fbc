#pragma once
// A diagram as the viewer reads it: the picture, or why there is none, and
// the words beside it that say what it shows.

#include <QImage>
#include <QString>

namespace diagview {

struct DiagramFile {
    QString path;
    QImage image;
    // Set when the picture could not be read: one line naming the file.
    QString problem;
    // NAME.txt beside the picture, as one paragraph; empty when there is
    // none or it is not a short text file.
    QString description;
};

DiagramFile ReadDiagram(const QString& path);

} // namespace diagview
