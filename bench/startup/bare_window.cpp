// The floor of the start-up measurement: a bare Qt main window holding what the editor's
// window holds (a menu bar, a toolbar, a tree and a table in a splitter, a status bar),
// with no document, no settings and nothing drawn beforehand.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"&File", "&Edit", "&View", "&Tools", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 0; i < 8; ++i) menu->addAction(QStringLiteral("Entry %1").arg(i));
    }
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Toolbar"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (int i = 0; i < 12; ++i) toolbar->addAction(QStringLiteral("Tool %1").arg(i));
    auto* splitter = new QSplitter(&window);
    auto* tree = new QTreeWidget(splitter);
    tree->setHeaderHidden(true);
    for (const char* root : {"All Services", "Antenna", "Channel List", "FAV List"})
        tree->addTopLevelItem(new QTreeWidgetItem(QStringList(QString::fromLatin1(root))));
    auto* model = new QStandardItemModel(0, 8, &window);
    auto* table = new QTableView(splitter);
    table->setModel(model);
    window.setCentralWidget(splitter);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(1024, 640);
    window.show();
    return QApplication::exec();
}
