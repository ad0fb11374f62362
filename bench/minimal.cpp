// The reference of the cold-start and memory figures: the least a Qt Widgets
// program does to put a window of the start window's size on screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(400, 593);
    w.show();
    return app.exec();
}
