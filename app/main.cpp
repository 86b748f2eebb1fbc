#include "CQuilloApp.h"

#include "afx/ui/CFrameWnd.h"
#include "afx/ui/QtMessageBoxes.h"

#include <QApplication>

int main(int argc, char** argv)
{
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
