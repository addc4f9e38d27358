// velmora: the desktop editor.

#include <QApplication>
#include <QSettings>
#include <cstring>

#include "app/CVelmoraApp.h"
#include "app/Language.h"
#include "velmora/Version.h"

namespace {

// --version and --help only print; they must work on a terminal with no display, where
// QApplication would otherwise fail to connect to one.
bool OnlyPrints(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) return false;
        for (const char* option : {"-v", "--version", "-h", "--help", "-?", "--help-all"}) {
            if (std::strcmp(argv[i], option) == 0) return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (OnlyPrints(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(velmora::kSettingsOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(velmora::kSettingsApplication));
    QApplication::setApplicationVersion(QString::fromLatin1(velmora::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    velmora::InstallChosenLanguage(QSettings());
    velmora::CVelmoraApp velmora;
    if (!velmora.InitInstance(QApplication::arguments())) return 1;
    return QApplication::exec();
}
