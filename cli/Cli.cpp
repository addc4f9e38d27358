#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/Commands.h"
#include "cli/SatXmlCommands.h"
#include "velmora/Version.h"

namespace velmora::cli {

int Run(int argc, char** argv) {
    CLI::App app{"velmora-cli: inspect and script Velmora channel databases (.sdx files)"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("velmora-cli ") + kVersion,
                         "Print the version and exit");

    std::string sdx, json, page;
    auto* info = app.add_subcommand(
        "info", "Print a short summary of a .sdx file: signature, counts, packed length");
    info->add_option("FILE.sdx", sdx, "database file")->required();

    auto* dump = app.add_subcommand(
        "dump", "Print the whole database as one JSON object, as the editor holds it after Open");
    dump->add_option("FILE.sdx", sdx, "database file")->required();

    auto* load = app.add_subcommand(
        "load", "Build a database from JSON of the dump schema and save it as a .sdx file");
    load->add_option("FILE.json", json, "JSON in the schema that dump prints")->required();
    load->add_option("OUT.sdx", sdx, "database file to write")->required();

    auto* create = app.add_subcommand("new", "Save a new, empty database");
    create->add_option("OUT.sdx", sdx, "database file to write")->required();

    auto* import = app.add_subcommand(
        "import",
        "Create satellites from a saved listing page (C-band, then Ku-band) and save in place");
    import->add_option("FILE.sdx", sdx, "database file, changed in place")->required();
    import->add_option("PAGE.htm", page, "saved listing page")->required();

    std::string other, reference;
    auto* diff = app.add_subcommand(
        "diff",
        "Compare two databases record by record: JSON on standard output; exit 3 "
        "when they differ");
    diff->add_option("A.sdx", sdx, "first database file")->required();
    diff->add_option("B.sdx", other, "second database file")->required();

    auto* order = app.add_subcommand(
        "order", "Order the TV and radio channels after a reference and save in place");
    order->add_option("FILE.sdx", sdx, "database file, changed in place")->required();
    order
        ->add_option("REFERENCE", reference,
                     "a .sdx database, a channel export .csv, or a text list of names")
        ->required();

    std::string fix_out;
    auto* check = app.add_subcommand(
        "check", "Find duplicates, key collisions and orphans; with --fix mend what can be");
    check->add_option("FILE.sdx", sdx, "database file")->required();
    check->add_option("--fix", fix_out, "mend, save the result as OUT.sdx (may be FILE.sdx)")
        ->type_name("OUT.sdx");

    std::string format, out_path, csv;
    bool bom = false;
    auto* export_cmd = app.add_subcommand("export",
                                          "Write the channel list as CSV, an HTML page or a list "
                                          "of names, the database as dump JSON, or its "
                                          "satellites as satellites.xml");
    export_cmd->add_option("FILE.sdx", sdx, "database file")->required();
    export_cmd->add_option("--format", format, "csv, html, json, names or satellites-xml")
        ->required()
        ->check(CLI::IsMember({"csv", "html", "json", "names", "satellites-xml"}));
    export_cmd->add_option("-o", out_path, "file to write instead of standard output");
    export_cmd->add_flag("--bom", bom, "begin the CSV with a UTF-8 byte-order mark");

    auto* apply_csv = app.add_subcommand(
        "apply-csv",
        "Apply names, PIDs, flags, marks and order edited in a channel CSV; save in place");
    apply_csv->add_option("FILE.sdx", sdx, "database file, changed in place (old one kept as .bak)")
        ->required();
    apply_csv->add_option("EDITS.csv", csv, "channel CSV as export writes it")->required();
    bool dry_run = false;
    apply_csv->add_flag("--dry-run", dry_run,
                        "check the file and tell what it would change, writing nothing");

    std::string xml;
    std::vector<std::string> xml_sats;
    auto* xml_import = app.add_subcommand(
        "xml-import",
        "Append satellites of a satellites.xml with their transponders and save in place");
    xml_import->add_option("FILE.sdx", sdx, "database file, changed in place")->required();
    xml_import->add_option("SATELLITES.xml", xml, "satellites.xml file")->required();
    xml_import->add_option("SAT", xml_sats, "a position such as 19.2E or 30.0W, or a <sat> name")
        ->required();

    bool remove_vanished = false;
    auto* xml_update = app.add_subcommand(
        "xml-update",
        "Update the transponders of every satellite from a satellites.xml; JSON on standard "
        "output");
    xml_update->add_option("FILE.sdx", sdx, "database file, changed in place")->required();
    xml_update->add_option("SATELLITES.xml", xml, "satellites.xml file")->required();
    xml_update->add_flag("--remove-vanished", remove_vanished,
                         "delete transponders the file no longer has when no channel uses them");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help and --version exit 0; a wrong command line is a usage error.
        return app.exit(e) == 0 ? 0 : 2;
    }

    if (info->parsed()) return Info(sdx, std::cout, std::cerr);
    if (dump->parsed()) return Dump(sdx, std::cout, std::cerr);
    if (load->parsed()) return Load(json, sdx, std::cerr);
    if (create->parsed()) return New(sdx, std::cerr);
    if (diff->parsed()) return Diff(sdx, other, std::cout, std::cerr);
    if (order->parsed()) return Order(sdx, reference, std::cerr);
    if (check->parsed()) return Check(sdx, fix_out, std::cout, std::cerr);
    if (xml_import->parsed()) return XmlImport(sdx, xml, xml_sats, std::cerr);
    if (xml_update->parsed()) return XmlUpdate(sdx, xml, remove_vanished, std::cout, std::cerr);
    if (export_cmd->parsed()) {
        const ExportFormat f = format == "csv"     ? ExportFormat::Csv
                               : format == "html"  ? ExportFormat::Html
                               : format == "json"  ? ExportFormat::Json
                               : format == "names" ? ExportFormat::Names
                                                   : ExportFormat::SatellitesXml;
        return Export(sdx, f, out_path, bom, std::cout, std::cerr);
    }
    if (apply_csv->parsed()) return ApplyCsv(sdx, csv, std::cerr, dry_run);
    return Import(sdx, page, std::cerr);
}

}  // namespace velmora::cli
