#pragma once
// The changes of a compared record in words a user reads: each changed field under the
// label its dialog gives it ("Symbol rate", "Lock", "FAV3") with its value here and
// there. Fields packed into one number (a channel's flags, a satellite's switching, the
// locks and TV settings) are split into their parts, and only the parts that differ
// are listed. The diff decides what changed; this only words it.

#include <string>
#include <vector>

#include "compare/DatabaseDiff.h"

namespace velmora {

struct ReadableChange {
    std::string label;
    std::string here;   // UTF-8, names turned from their record bytes
    std::string there;  // UTF-8

    bool operator==(const ReadableChange&) const = default;
};

// `changed` is a record of the diff of `here` (side A) with `there` (side B).
std::vector<ReadableChange> SatelliteChanges(const Database& here, const Database& there,
                                             const ChangedRecord& changed);
std::vector<ReadableChange> TransponderChanges(const Database& here, const Database& there,
                                               const ChangedRecord& changed);
std::vector<ReadableChange> ChannelChanges(const Database& here, const Database& there, bool radio,
                                           const ChangedRecord& changed);
// One settings key as the diff names it ("lock_flags"), split into its parts.
std::vector<ReadableChange> SettingChanges(const SettingsBlock& here, const SettingsBlock& there,
                                           const std::string& key);
// The name of favourite group `group` (0-7): "FAV3 Group Name".
ReadableChange FavouriteNameChange(const SettingsBlock& here, const SettingsBlock& there,
                                   int group);

// "11362 HOR 22000 on Astra 19.2E": a transponder as the comparison names it.
std::string TransponderWords(const Database& db, int index);

}  // namespace velmora
