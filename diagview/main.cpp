// diagview: shows one picture, the file named by its one argument, in a
// scrollable, resizable window titled with the file name. Escape closes it.
// A diagram named NAME.bmp that is there only as NAME.png (or .jpg, .gif)
// is shown from that file. NAME.txt beside it, when there, says in words
// what the diagram shows: it is shown under the picture, and a screen
// reader hears it with the diagram's name.

#include "afx/PictureFile.h"
#include "afx/ProgramInfo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <cstdio>

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

// The description beside the picture named (by its .bmp name or its own),
// as UTF-8 text; empty when there is none or it is not a short text file.
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

const char* const kUsage = "usage: diagview FILE\n"
                           "Shows the picture FILE (BMP, PNG, ...) in a window; Escape closes it.\n";

int main(int argc, char** argv)
{
    if (afx::AnswerInfoRequest(argc, argv, "diagview", kUsage))
        return 0;
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // The toolkit never sees the argument: a folder named like one of its
    // options ("-style", "-platform") is still just a folder.
    const std::string found = afx::ExistingPicture(argv[1]);
    const QString path = QFile::decodeName(found.empty() ? argv[1] : found.c_str());
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication application(toolkitArgc, toolkitArgv);

    auto* picture = new QLabel;
    picture->setAlignment(Qt::AlignCenter);
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        picture->setText(Problem(path, reader));
        picture->setWordWrap(true);
        picture->setMargin(24);
    } else {
        picture->setPixmap(QPixmap::fromImage(image));
    }

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture, 1);
    const QString description = image.isNull() ? QString() : DescriptionBeside(path);
    if (!description.isEmpty()) {
        auto* caption = new QLabel(description);
        caption->setWordWrap(true);
        caption->setMargin(8);
        layout->addWidget(caption);
    }

    QScrollArea window;
    window.setWidget(page);
    window.setWidgetResizable(true);
    window.setAlignment(Qt::AlignCenter);
    window.setWindowTitle(QFileInfo(path).fileName());
    const QString named = "Diagram " + QFileInfo(path).fileName();
    window.setAccessibleName(image.isNull()          ? picture->text()
                             : description.isEmpty() ? named
                                                     : named + ": " + description);
    // As wide as the picture, as high as picture and wrapped words together.
    const int width = image.width() + 4;
    const QSize size = image.isNull() ? QSize(420, 160) : QSize(width, layout->heightForWidth(width - 4) + 4);
    window.resize(size.boundedTo(QSize(1200, 900)));
    QShortcut close(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(&close, &QShortcut::activated, &window, &QWidget::close);
    window.show();
    return QApplication::exec();
}
