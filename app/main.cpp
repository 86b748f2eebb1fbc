#include "CQuilloApp.h"

#include "afx/ProgramInfo.h"
#include "afx/ui/CFrameWnd.h"
#include "afx/ui/QtMessageBoxes.h"

#include <QApplication>

namespace {
const char* const kUsage = "usage: quillo [FILE.nve]\n"
                           "Practise multiple-choice exams. Without a record, Quillo starts in the current\n"
                           "folder on the question bank (*.db) it finds there; with a test record, in the\n"
                           "record's own folder, on the bank there.\n";
} // namespace

int main(int argc, char** argv)
{
    if (afx::AnswerInfoRequest(argc, argv, "quillo", kUsage))
        return 0;
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    CQuilloApp quillo(arguments);
    afx::QtMessageBoxes messageBoxes(quillo.m_pszAppName);
    afx::SetMessageSink(&messageBoxes);
    if (!quillo.InitInstance())
        return 1;
    QObject::connect(quillo.GetMainWnd(), &QObject::destroyed, &application, &QApplication::quit);
    return QApplication::exec();
}
