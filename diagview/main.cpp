// diagview: shows one picture, the file named by its one argument, in a
// window that fits the screen, titled with the file name. A diagram named
// NAME.bmp that is there only as NAME.png (or .jpg, .gif) is shown from
// that file. NAME.txt beside it, when there, says in words what the
// diagram shows: it is shown under the picture, and a screen reader hears
// it with the diagram's name.

#include "DiagramFile.h"
#include "DiagramWindow.h"

#include "afx/PictureFile.h"
#include "afx/ProgramInfo.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <cstdio>

const char* const kUsage = "usage: diagview FILE\n"
                           "Shows the picture FILE (BMP, PNG, ...) fitted to a window.\n"
                           "Keys: + and - zoom, 0 fits the picture to the window, 1 shows it at its\n"
                           "actual size, Escape closes the window.\n";

int main(int argc, char** argv)
{
    if (afx::AnswerInfoRequest(argc, argv, "diagview", kUsage))
        return 0;
    const auto files = afx::FileArguments(argc, argv, "diagview");
    if (!files)
        return 2;
    if (files->size() != 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // The toolkit never sees the argument: a folder named like one of its
    // options ("-style", "-platform") is still just a folder.
    const std::string& named = files->front();
    const std::string found = afx::ExistingPicture(named);
    const QString path = QFile::decodeName(found.empty() ? named.c_str() : found.c_str());
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication application(toolkitArgc, toolkitArgv);

    const diagview::DiagramFile diagram = diagview::ReadDiagram(path);
    if (!diagram.problem.isEmpty())
        std::fprintf(stderr, "diagview: %s\n", diagram.problem.toLocal8Bit().constData());
    diagview::DiagramWindow window(diagram);
    window.FitTo(window.screen()->availableGeometry().size());
    window.show();
    return QApplication::exec();
}
