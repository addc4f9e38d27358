// Placeholder so the Qt layer links on this branch; the main window brings the real one.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}
