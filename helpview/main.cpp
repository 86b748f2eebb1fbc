// quillo-help: shows a compiled help file, its contents tree beside the
// page; started by the support library's Help with the file's name.
//   quillo-help FILE.chm[::/page.htm]

#include "HelpWindow.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillo-help FILE.chm[::/page.htm]\n");
        return 2;
    }
    // As for the diagram viewer: the toolkit never sees the file name.
    const QString file = QFile::decodeName(argv[1]);
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication application(toolkitArgc, toolkitArgv);
    HelpWindow window;
    window.Open(file);
    window.show();
    return QApplication::exec();
}
