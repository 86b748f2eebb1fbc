// bare-window: the least a Qt program does to put a main window on the
// screen, the other side of window-up.sh's comparison.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare window");
    window.resize(640, 480);
    window.show();
    return application.exec();
}
