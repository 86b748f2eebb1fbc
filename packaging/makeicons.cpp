// makeicons FOLDER SIZE...: writes FOLDER/SIZE.png for each size, the
// program's icon as the desktop's hicolor theme wants it.
#include "AppIcon.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: makeicons FOLDER SIZE...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString path = folder + "/" + QString::number(size) + ".png";
        if (size <= 0 || !app::ApplicationIconImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
