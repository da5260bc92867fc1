#include "objects/ChemicalCompostions.h"

#include "Rows.h"

namespace orvik::objects {

std::shared_ptr<ChemicalCompostion> ChemicalCompostions::Add(const platform::db::Recordset* composition,
                                                             platform::db::Recordset& values,
                                                             platform::db::Recordset* footnotes, bool front) {
    auto entry = std::make_shared<ChemicalCompostion>();
    if (composition != nullptr) {
        entry->ID_Composition = rows::idText(*composition, "ID_Analyse", "0");
        entry->CompositonDesignation = rows::text(*composition, "Bezeichnung");
    }
    if (rows::hasRows(&values)) {
        for (values.moveFirst(); !values.eof(); values.moveNext()) {
            entry->Elements->Add(values, footnotes);
        }
    }
    add(entry, front);
    return entry;
}

} // namespace orvik::objects
