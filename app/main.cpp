#include "CQuilloApp.h"

#include "afx/ProgramInfo.h"
#include "afx/ui/CFrameWnd.h"
#include "afx/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QFile>

namespace {
const char* const kUsage = "usage: quillo [--] [FILE.nve]\n"
                           "Practise multiple-choice exams. Without a record, Quillo starts in the current\n"
                           "folder on the question bank (*.db) it finds there; with a test record, in the\n"
                           "record's own folder, on the bank there.\n";
} // namespace

int main(int argc, char** argv)
{
    if (afx::AnswerInfoRequest(argc, argv, "quillo", kUsage))
        return 0;
    const auto files = afx::FileArguments(argc, argv, "quillo");
    if (!files)
        return 2;
    // The toolkit is given no argument: a record named like one of its
    // options is still a record, and the toolkit's are set in the
    // environment (QT_QPA_PLATFORM, QT_STYLE_OVERRIDE).
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication application(toolkitArgc, toolkitArgv);
    QStringList arguments;
    for (const std::string& file : *files)
        arguments << QFile::decodeName(file.c_str());

    CQuilloApp quillo(arguments);
    afx::QtMessageBoxes messageBoxes(quillo.m_pszAppName);
    afx::SetMessageSink(&messageBoxes);
    if (!quillo.InitInstance())
        return 1;
    QObject::connect(quillo.GetMainWnd(), &QObject::destroyed, &application, &QApplication::quit);
    return QApplication::exec();
}
