#include "objects/Suppliers.h"

#include "Rows.h"

#include <exception>

namespace orvik::objects {
namespace {

/// The supplier queries differ in their columns: what a row lacks stays at its initial value.
template <class Step> void tryStep(const Step& step) noexcept {
    try {
        step();
    } catch (const std::exception&) {
    }
}

} // namespace

std::shared_ptr<objects::Supplier> Suppliers::Add(const platform::db::Recordset& rs,
                                                  platform::db::Recordset* tradenames) noexcept {
    std::shared_ptr<objects::Supplier> entry;
    tryStep([&] { entry = std::make_shared<objects::Supplier>(); });
    if (!entry) {
        return nullptr;
    }
    tryStep([&] { entry->Supplier_ID = rows::number(rs, "ID_Firma"); });
    tryStep([&] { entry->Address = rows::text(rs, "Adresse"); });
    tryStep([&] { entry->Name = rows::text(rs, "Name1"); });
    tryStep([&] { entry->Number = rows::number(rs, "LfdNr"); });
    tryStep([&] { entry->CountrySymbol = rows::text(rs, "Landeskuerzel"); });
    if (rows::hasRows(tradenames)) {
        // A row that cannot be read ends the walk: moving on could fail the same way for ever.
        tryStep([&] {
            for (; !tradenames->eof(); tradenames->moveNext()) {
                entry->Tradenames->Add(*tradenames, false);
            }
        });
    }
    tryStep([&] { append(entry); });
    return entry;
}

} // namespace orvik::objects
