// gk_generate_db: writes a large materials database and its filter database for the benchmarks.
//
//   gk_generate_db --output DIR [--steels N] [--seed S] [--schema DIR]
//
// The same steel count and seed always give the same content.

#include "generator/LargeDatabaseGenerator.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

int usage() {
    std::cerr << "usage: gk_generate_db --output DIR [--steels N] [--seed S] [--schema DIR]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    generator::GeneratorOptions options;
    options.schemaDir = GK_SCHEMA_DIR;
    try {
        for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
            if (args[i] == "--output") {
                options.outputDir = args[i + 1];
            } else if (args[i] == "--steels") {
                options.steelCount = std::stoll(args[i + 1]);
            } else if (args[i] == "--seed") {
                options.seed = std::stoull(args[i + 1]);
            } else if (args[i] == "--schema") {
                options.schemaDir = args[i + 1];
            } else {
                return usage();
            }
        }
    } catch (const std::logic_error&) {
        return usage();
    }
    if (args.size() % 2 != 0 || options.outputDir.empty()) {
        return usage();
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        generator::LargeDatabaseGenerator(options).generate();
        const auto seconds =
            std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start)
                .count();
        std::cout << "Wrote " << options.steelCount << " steels to " << options.outputDir.string() << " in "
                  << seconds << " s\n";
    } catch (const std::exception& e) {
        std::cerr << "gk_generate_db: " << e.what() << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
