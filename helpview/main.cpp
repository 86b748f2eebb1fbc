// quillo-help: shows a compiled help file, its contents tree beside the
// page; started by the support library's Help with the file's name.
//   quillo-help FILE.chm[::/page.htm]

#include "HelpWindow.h"

#include "afx/ProgramInfo.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

namespace {
const char* const kUsage = "usage: quillo-help FILE.chm[::/page.htm]\n"
                           "Shows a compiled help file, on its default topic or on the page named.\n";
} // namespace

int main(int argc, char** argv)
{
    if (afx::AnswerInfoRequest(argc, argv, "quillo-help", kUsage))
        return 0;
    const auto files = afx::FileArguments(argc, argv, "quillo-help");
    if (!files)
        return 2;
    if (files->size() != 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // As for the diagram viewer: the toolkit never sees the file name.
    const QString file = QFile::decodeName(files->front().c_str());
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication application(toolkitArgc, toolkitArgv);
    HelpWindow window;
    window.Open(file);
    window.show();
    return QApplication::exec();
}
