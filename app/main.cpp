// Stand-in entry point so the Qt layer links on this branch; the main window replaces it.
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return 0;
}
