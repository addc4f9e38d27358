#include "channels/qt/ChannelCommandRunner.h"

#include <QAction>

namespace velmora {

ChannelCommandRunner::ChannelCommandRunner(Database& db, ChannelList& list, Prompter& prompter,
                                           ChannelDialogs& dialogs, SelectedRows selected_rows,
                                           QObject* parent)
    : QObject(parent),
      db_(db),
      list_(list),
      prompter_(prompter),
      dialogs_(dialogs),
      selected_rows_(std::move(selected_rows)) {}

int ChannelCommandRunner::Run(int id, const std::vector<int>& selected) {
    if (!Handles(id)) return 0;
    ChannelCommandContext context{db_, list_, selected, prompter_, dialogs_};
    const int changed = RunChannelCommand(id, context);
    if (!context.note.empty())
        emit noted(QString::fromLatin1(context.note.data(), qsizetype(context.note.size())));
    if (changed) emit databaseChanged(id);
    return changed;
}

int ChannelCommandRunner::Run(int id) {
    return Run(id, selected_rows_ ? selected_rows_() : std::vector<int>{});
}

void ChannelCommandRunner::RunAction(QAction* action) {
    if (!action) return;
    bool ok = false;
    const int id = action->data().toInt(&ok);
    if (ok && Handles(id)) Run(id);
}

}  // namespace velmora
