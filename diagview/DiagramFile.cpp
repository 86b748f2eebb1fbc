#include "DiagramFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace diagview {
namespace {

QString Problem(const QString& path, const QImageReader& reader)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QString("The diagram file %1 was not found.").arg(path);
    if (!file.isReadable())
        return QString("The diagram file %1 cannot be read.").arg(path);
    return QString("The diagram file %1 is not a picture this viewer can show (%2).").arg(path, reader.errorString());
}

QString DescriptionBeside(const QString& path)
{
    const QFileInfo picture(path);
    QFile text(picture.dir().filePath(picture.completeBaseName() + ".txt"));
    constexpr qint64 kLongest = 64 * 1024;
    if (text.size() > kLongest || !text.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(text.read(kLongest)).simplified();
}

} // namespace

DiagramFile ReadDiagram(const QString& path)
{
    DiagramFile diagram;
    diagram.path = path;
    QImageReader reader(path);
    diagram.image = reader.read();
    if (diagram.image.isNull())
        diagram.problem = Problem(path, reader);
    else
        diagram.description = DescriptionBeside(path);
    return diagram;
}

} // namespace diagview
