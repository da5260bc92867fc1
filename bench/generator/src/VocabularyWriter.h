#pragma once

#include "GeneratedContent.h"
#include "Random.h"

#include <vector>

namespace platform::db::sqlite {
class Connection;
}

namespace generator {

/// Writes the rows every steel refers to: countries, steel groups, standards, suppliers, texts,
/// elements, the property vocabulary and the layout of the property-search mask.
class VocabularyWriter {
public:
    VocabularyWriter(platform::db::sqlite::Connection& db, Random& random) : m_db(db), m_random(random) {}

    void write();

    /// The standard variants and steel groups written, for the steels to refer to.
    [[nodiscard]] const std::vector<Id>& variants() const noexcept { return m_variants; }
    [[nodiscard]] const std::vector<Id>& groups() const noexcept { return m_groups; }

private:
    void writeCountriesAndGroups();
    void writeStandards();
    void writeSuppliers();
    void writeTextTables();
    void writeCompositionVocabulary();
    void writePropertyVocabulary();
    void writeSearchMask();

    platform::db::sqlite::Connection& m_db;
    Random& m_random;
    std::vector<Id> m_variants;
    std::vector<Id> m_groups;
};

} // namespace generator
