#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Twinsweep");
    QMainWindow window;
    window.setObjectName("TForm1");
    window.setWindowTitle("Twinsweep");
    window.resize(1000, 700);
    window.show();
    return QApplication::exec();
}
