// bare-window: the least a Qt program does to put a main window on the
// screen, the other side of window-up.sh's comparison.
//   bare-window [WIDTH HEIGHT]     the window's size, quillo's to compare

#include <QApplication>
#include <QMainWindow>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare window");
    if (argc == 3)
        window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    else
        window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
