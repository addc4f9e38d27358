#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "database/DatabaseFile.h"

namespace velmora::cli {

int Run(int argc, char** argv) {
    CLI::App app{"velmora-cli: inspect and script Velmora channel databases"};
    app.require_subcommand(1);
    std::string file;
    auto* info = app.add_subcommand("info", "Summary of a .sdx file");
    info->add_option("FILE", file, "database file")->required();
    CLI11_PARSE(app, argc, argv);
    auto db = std::make_unique<Database>();
    if (LoadDatabaseFile(*db, file) != OpenResult::Ok) {
        std::cerr << "This file is not a correct file,please select another!\n";
        return 1;
    }
    std::cout << "signature: " << db->header.signature() << "\n";
    return 0;
}

}  // namespace velmora::cli
