#pragma once

#include "GeneratedContent.h"
#include "PreparedInsert.h"
#include "Random.h"

#include <string>
#include <vector>

namespace platform::db::sqlite {
class Connection;
}

namespace generator {

/// Writes the steels: designations with their occurrences, standards and suppliers, info texts,
/// the comparison group, two compositions and three property matrices each. Ids are handed out
/// in order, so they follow from the steel count alone.
class SteelWriter {
public:
    SteelWriter(platform::db::sqlite::Connection& db, Random& random, const std::vector<Id>& variants,
                const std::vector<Id>& groups);

    /// Writes one steel with all its rows.
    void write(Id steel);

private:
    struct Designation {
        Id id;
        std::string text;
        std::vector<Id> occurrences;
    };

    Designation designation(Id steel, const std::string& text, const char* kind, int priority,
                            int countryCount, Id ownCountry);
    void composition(const std::vector<Id>& designations);
    void propertyMatrix(Id steel, Id kind, const Designation& materialNumber, Id country);
    Id randomCountry() { return countries[static_cast<std::size_t>(m_random.below(countries.size()))].id; }
    Id randomVariant() {
        return m_variants[static_cast<std::size_t>(m_random.below(static_cast<Id>(m_variants.size())))];
    }

    Random& m_random;
    const std::vector<Id>& m_variants;
    const std::vector<Id>& m_groups;
    Id m_nextDesignation = 0;
    Id m_nextOccurrence = 0;
    Id m_nextComposition = 0;
    Id m_nextValue = 0;
    Id m_nextMatrix = 0;
    Id m_nextPropertyValue = 0;
    PreparedInsert m_steel;
    PreparedInsert m_designation;
    PreparedInsert m_occurrence;
    PreparedInsert m_listedIn;
    PreparedInsert m_supplier;
    PreparedInsert m_footnote;
    PreparedInsert m_info;
    PreparedInsert m_comparison;
    PreparedInsert m_composition;
    PreparedInsert m_hasComposition;
    PreparedInsert m_value;
    PreparedInsert m_valueFootnote;
    PreparedInsert m_matrixLink;
    PreparedInsert m_matrix;
    PreparedInsert m_propertyValue;
    PreparedInsert m_remark;
};

} // namespace generator
