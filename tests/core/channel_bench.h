#pragma once
// The channel tests' bench: an open, empty database in a document, with the commands run
// through the table as the main window runs them (one undo step each).

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/core/scripted_dialog_host.h"

namespace velmora::testing {

class ChannelBenchTest : public ::testing::Test {
protected:
    ChannelBenchTest() {
        ResetToNewDatabase(*db);
        db->database_open = true;
    }

    // Runs command `id` over the rows `selected`: 1 when the list lists again because the
    // table changed, else 0.
    int Run(int id, std::vector<int> selected = {}) {
        bench.rows = std::move(selected);
        watch.Reset();
        return bench.Run(id).relist ? 1 : 0;
    }

    CommandBench bench;
    Database* db = &bench.db();
    ChannelList& list = bench.list;
    ScriptedPrompter& prompter = bench.prompter;
    ScriptedChannelDialogs& dialogs = bench.dialogs.channels;
    ChangeWatch watch{*db};
};

}  // namespace velmora::testing
