#pragma once
// Runs the channel commands of the "&Edit" menu, the toolbar and the list's pop-up menu
// by their command id, with the rows selected in the list at that moment.

#include <QObject>
#include <functional>
#include <vector>

#include "channels/ChannelCommands.h"

class QAction;

namespace velmora {

class ChannelCommandRunner : public QObject {
    Q_OBJECT
public:
    using SelectedRows = std::function<std::vector<int>()>;

    // `selected_rows` is asked for the list's selection each time a command runs.
    ChannelCommandRunner(Database& db, ChannelList& list, Prompter& prompter,
                         ChannelDialogs& dialogs, SelectedRows selected_rows,
                         QObject* parent = nullptr);

    static bool Handles(int id) { return IsChannelCommand(id); }

    // Runs command `id` on `selected` (or on the current selection); returns 1 when the
    // database changed.
    int Run(int id, const std::vector<int>& selected);
    int Run(int id);

public slots:
    // For QMenu::triggered and QToolBar::actionTriggered: the action's data() is the id.
    void RunAction(QAction* action);

signals:
    // After a command changed the database (modified is set, the list relisted).
    void databaseChanged(int id);
    // A word for the status bar about what the command did.
    void noted(const QString& text);

private:
    Database& db_;
    ChannelList& list_;
    Prompter& prompter_;
    ChannelDialogs& dialogs_;
    SelectedRows selected_rows_;
};

}  // namespace velmora
