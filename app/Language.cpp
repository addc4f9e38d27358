#include "app/Language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>
#include <QTranslator>
#include <cstdlib>

#include "database/Interaction.h"
#include "text/Languages.h"
#include "text/Translate.h"

namespace velmora {
namespace {

QTranslator* own = nullptr;
QTranslator* qt_own = nullptr;

std::string TranslateThroughQt(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

void Remove(QTranslator*& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

}  // namespace

bool InstallLanguage(const QString& code) {
    Remove(own);
    Remove(qt_own);
    SetTranslator(nullptr);
    if (code == QLatin1String("en")) return true;
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (!catalogue->load(QStringLiteral(":/i18n/velmora_%1.qm").arg(code))) {
        delete catalogue;
        return false;
    }
    own = catalogue;
    QCoreApplication::installTranslator(own);
    // Qt's own texts: a missing qtbase catalogue leaves only its buttons in English.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_%1").arg(code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt_own = qt;
        QCoreApplication::installTranslator(qt_own);
    } else {
        delete qt;
    }
    SetTranslator(&TranslateThroughQt);
    return true;
}

QString InstallChosenLanguage(const QSettings& settings) {
    const std::string chosen =
        settings.value(QString::fromLatin1(kLanguageKey)).toString().toStdString();
    const QString code = QString::fromStdString(ChooseLanguage(chosen, [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    }));
    return InstallLanguage(code) ? code : QStringLiteral("en");
}

QMenu* AddLanguageMenu(QMenu* view, QSettings& settings, Prompter& prompter) {
    view->addSeparator();
    QMenu* menu = view->addMenu(QCoreApplication::translate("velmora::Language", "&Language"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const QString chosen = settings.value(QString::fromLatin1(kLanguageKey)).toString();
    const auto add = [&](const QString& text, const QString& code) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setData(code);
        group->addAction(action);
    };
    add(QCoreApplication::translate("velmora::Language", "System default"), QString());
    menu->addSeparator();
    for (const Language& l : Languages())
        add(QString::fromUtf8(l.own_name), QString::fromLatin1(l.code));
    QObject::connect(group, &QActionGroup::triggered, menu, [&settings, &prompter](QAction* a) {
        if (a->data().toString() == settings.value(QString::fromLatin1(kLanguageKey)).toString())
            return;
        settings.setValue(QString::fromLatin1(kLanguageKey), a->data().toString());
        prompter.Tell(
            QCoreApplication::translate(
                "velmora::Language", "The language changes when Velmora is started the next time.")
                .toStdString(),
            Icon::Information);
    });
    return menu;
}

}  // namespace velmora
