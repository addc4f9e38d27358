#include "satellites/SatelliteCommands.h"

#include "satellites/TransponderOps.h"

namespace velmora {

std::optional<SatelliteCommand> MenuItemCommand(SatelliteNodeKind kind, int item) {
    using C = SatelliteCommand;
    switch (kind) {
        case SatelliteNodeKind::Antenna:
            if (item == 1) return C::AddSatellite;
            break;
        case SatelliteNodeKind::Satellite:
            switch (item) {
                case 1:
                    return C::AddSatellite;
                case 2:
                    return C::EditSatellite;
                case 3:
                    return C::MoveSatellite;
                case 4:
                    return C::SwapSatellite;
                case 5:
                    return C::DeleteSatellite;
                case 7:
                    return C::AddTransponder;
                case 9:
                    return C::ModifyTransponders;
                default:
                    break;
            }
            break;
        case SatelliteNodeKind::Transponder:
            switch (item) {
                case 1:
                    return C::AddTransponder;
                case 2:
                    return C::EditTransponder;
                case 3:
                    return C::DeleteTransponder;
                default:
                    break;
            }
            break;
    }
    return std::nullopt;
}

std::optional<SatelliteCommand> EnterKeyCommand(SatelliteNodeKind kind) {
    if (kind == SatelliteNodeKind::Satellite) return SatelliteCommand::EditSatellite;
    return std::nullopt;
}

std::optional<SatelliteCommand> DeleteKeyCommand(SatelliteNodeKind kind) {
    if (kind == SatelliteNodeKind::Satellite) return SatelliteCommand::DeleteSatellite;
    if (kind == SatelliteNodeKind::Transponder) return SatelliteCommand::DeleteTransponder;
    return std::nullopt;
}

TreeEffect RunSatelliteCommand(SatelliteSession& session, SatelliteCommand command, int satellite,
                               int position) {
    Database& db = session.db;
    if (!db.database_open) return {};
    switch (command) {
        case SatelliteCommand::AddSatellite:
            return AddSatellite(db, session.prompter, session.dialogs);
        case SatelliteCommand::EditSatellite:
            return EditSatellite(db, session.dialogs, satellite);
        case SatelliteCommand::MoveSatellite:
            return MoveSatellite(db, session.prompter, session.dialogs, session.tree, satellite);
        case SatelliteCommand::SwapSatellite:
            return SwapSatellite(db, session.prompter, session.dialogs, satellite);
        case SatelliteCommand::DeleteSatellite:
            return DeleteSatellite(db, session.prompter, satellite);
        case SatelliteCommand::AddTransponder:
            return AddTransponder(db, session.prompter, session.dialogs, satellite);
        case SatelliteCommand::EditTransponder:
            return EditTransponder(db, session.prompter, session.dialogs, satellite, position);
        case SatelliteCommand::DeleteTransponder:
            return DeleteTransponder(db, session.prompter, satellite, position);
        case SatelliteCommand::ModifyTransponders:
            return ModifyTransponders(db, session.prompter, session.dialogs, satellite);
    }
    return {};
}

}  // namespace velmora
