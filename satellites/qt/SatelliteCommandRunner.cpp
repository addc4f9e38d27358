#include "satellites/qt/SatelliteCommandRunner.h"

namespace velmora {

SatelliteCommandRunner::SatelliteCommandRunner(Database& db, Prompter& prompter,
                                               SatelliteTreeState& tree, QWidget* parent)
    : qt_dialogs_(std::in_place, prompter, parent), session_{db, prompter, *qt_dialogs_, tree} {}

SatelliteCommandRunner::SatelliteCommandRunner(Database& db, Prompter& prompter,
                                               SatelliteTreeState& tree, SatelliteDialogs& dialogs)
    : session_{db, prompter, dialogs, tree} {}

TreeEffect SatelliteCommandRunner::Run(SatelliteCommand command, int satellite, int position) {
    return RunSatelliteCommand(session_, command, satellite, position);
}

std::optional<TreeEffect> SatelliteCommandRunner::RunIf(std::optional<SatelliteCommand> command,
                                                        int satellite, int position) {
    if (!command) return std::nullopt;
    return Run(*command, satellite, position);
}

std::optional<TreeEffect> SatelliteCommandRunner::RunMenuItem(SatelliteNodeKind kind, int item,
                                                              int satellite, int position) {
    return RunIf(MenuItemCommand(kind, item), satellite, position);
}

std::optional<TreeEffect> SatelliteCommandRunner::RunEnterKey(SatelliteNodeKind kind,
                                                              int satellite) {
    return RunIf(EnterKeyCommand(kind), satellite, -1);
}

std::optional<TreeEffect> SatelliteCommandRunner::RunDeleteKey(SatelliteNodeKind kind,
                                                               int satellite, int position) {
    return RunIf(DeleteKeyCommand(kind), satellite, position);
}

}  // namespace velmora
