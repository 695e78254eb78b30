// The floor of start-up: the emptiest main window Qt shows, built with the
// designer's Qt and started as the designer is.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    return app.exec();
}
