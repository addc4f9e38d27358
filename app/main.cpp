// velmora: the desktop editor.

#include <QApplication>

#include "app/CVelmoraApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(velmora::kSettingsOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(velmora::kSettingsApplication));
    QApplication::setApplicationVersion(QStringLiteral("1.01"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    velmora::CVelmoraApp velmora;
    if (!velmora.InitInstance(QApplication::arguments())) return 1;
    return QApplication::exec();
}
