#pragma once

#include <cstdint>
#include <filesystem>

namespace generator {

/// What to generate.
struct GeneratorOptions {
    /// Steels; each gets five designations with ten occurrences, two compositions and three
    /// property matrices.
    std::int64_t steelCount = 100000;
    std::uint64_t seed = 1;
    /// Receives Graukant.MDB and Filter.mdb.
    std::filesystem::path outputDir;
    /// Holds graukant.sql, graukant-derive.sql, filter.sql and filter-derive.sql.
    std::filesystem::path schemaDir;
};

/// Writes a materials database and its filter database of the program's schema, filled with
/// invented steels whose rows refer to each other as real ones do. The same options always give
/// the same content. Both files are written under temporary names and renamed when complete.
/// Throws std::runtime_error on any failure.
class LargeDatabaseGenerator {
public:
    explicit LargeDatabaseGenerator(GeneratorOptions options);

    void generate() const;

private:
    GeneratorOptions m_options;
};

} // namespace generator
