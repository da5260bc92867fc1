// gk_builddb: builds one SQLite database file from SQL files.
//
//   gk_builddb --output FILE [--attach NAME=DATABASE]... SCRIPT...
//
// The scripts run in the order given, in one transaction, on a connection with the Jet text
// collation registered. The file is replaced only when everything succeeded.

#include "datatools/DatabaseBuilder.h"

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

int usage() {
    std::cerr << "usage: gk_builddb --output FILE [--attach NAME=DATABASE]... SCRIPT...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string output;
    std::vector<std::pair<std::string, std::string>> attachments;
    std::vector<std::string> scripts;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--output" && i + 1 < args.size()) {
            output = args[++i];
        } else if (args[i] == "--attach" && i + 1 < args.size()) {
            const std::string& spec = args[++i];
            const std::size_t eq = spec.find('=');
            if (eq == std::string::npos || eq == 0) {
                return usage();
            }
            attachments.emplace_back(spec.substr(eq + 1), spec.substr(0, eq));
        } else if (args[i].rfind("--", 0) == 0) {
            return usage();
        } else {
            scripts.push_back(args[i]);
        }
    }
    if (output.empty()) {
        return usage();
    }
    try {
        datatools::DatabaseBuilder builder(output);
        for (const auto& [path, name] : attachments) {
            builder.attach(path, name);
        }
        for (const auto& script : scripts) {
            builder.addScript(script);
        }
        builder.build();
    } catch (const std::exception& e) {
        std::cerr << "gk_builddb: " << e.what() << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
