#include "app/CommandMenus.h"

#include <QCoreApplication>

#include "app/Images.h"

namespace velmora {

QString CommandText(const char* text) {
    return QCoreApplication::translate("commands", text);
}

namespace {

// Adds the entries from `at` to the End() closing this menu; returns the index past it.
size_t AddUntilEnd(QMenu* menu, std::span<const MenuItem> items, size_t at,
                   const CommandActionFor& action) {
    while (at < items.size()) {
        const MenuItem& item = items[at++];
        switch (item.kind) {
            case MenuItem::End:
                return at;
            case MenuItem::Separator:
                menu->addSeparator();
                break;
            case MenuItem::Menu:
                at = AddUntilEnd(menu->addMenu(CommandText(item.text)), items, at, action);
                break;
            case MenuItem::Command:
                if (const CommandRow* row = FindCommand(item.id)) {
                    for (int id = row->id; id < row->id + row->id_count; ++id)
                        menu->addAction(action(id));
                }
                break;
        }
    }
    return at;
}

}  // namespace

QAction* NewCommandAction(int id, QObject* parent, bool with_keys) {
    const CommandRow* row = FindCommand(id);
    auto* action = new QAction(parent);
    action->setData(id);
    action->setIconVisibleInMenu(false);
    if (!row) return action;
    action->setText(row->menu_text ? CommandText(row->menu_text) : QString());
    if (row->prompt) action->setStatusTip(CommandText(row->prompt));
    if (row->short_text) {
        action->setIconText(CommandText(row->short_text));
        action->setToolTip(CommandText(row->short_text));
    }
    if (with_keys && row->shortcut) {
        QList<QKeySequence> keys;
        for (const QString& key : QString::fromLatin1(row->shortcut).split(QLatin1Char('|')))
            keys << QKeySequence(key, QKeySequence::PortableText);  // English key names
        action->setShortcuts(keys);
    }
    action->setCheckable(row->checkable);
    const QPixmap image = ToolbarImage(id);
    if (!image.isNull()) action->setIcon(QIcon(image));
    return action;
}

void AddMenuItems(QMenu* menu, std::span<const MenuItem> items, const CommandActionFor& action) {
    AddUntilEnd(menu, items, 0, action);
}

void AddMenus(QMenuBar* bar, std::span<const MenuItem> items, const CommandActionFor& action) {
    for (size_t at = 0; at < items.size();) {
        const MenuItem& item = items[at++];
        if (item.kind == MenuItem::Menu)
            at = AddUntilEnd(bar->addMenu(CommandText(item.text)), items, at, action);
    }
}

}  // namespace velmora
