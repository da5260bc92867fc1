#pragma once

#include "common/Enums.h"
#include "objects/Error.h"
#include "platform/Dictionary.h"
#include "platform/Event.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orvik::common {
class cls_Language;
}

namespace orvik::objects {

class Material;
class Report;

/// Fills the scratch print database with the data sheet of one steel and opens the data-sheet
/// report over it. The caller sets the section switches, the chosen property standards (their
/// `Standard_ID`) and properties (their ids), each keyed by the number or its decimal text, the
/// text service and the steel, then
/// calls writeData and CreateReport. Every value reaches print.mdb as a bound value, never inside
/// SQL text. writeData is all or nothing: a failure rolls print.mdb back, raises one Error and
/// leaves DataComplete false, so that no partial data sheet is shown as complete; a failure of the
/// steel (its parts or its property tables cannot be read) does the same but raises nothing, since
/// the steel reports it through its own Error, once. A property table
/// whose matrix cannot be read is no such failure: the steel tells it once, and the sheet says in
/// the table's place, in the current language, that it could not be read. Property tables are read
/// only when a property section is chosen.
class PrintSteel {
public:
    bool PrintStandards = false;
    bool PrintSteelgroup = false;
    bool PrintRangeOfApplication = false;
    bool PrintSuppliers = false;
    bool PrintAddress = false;
    bool PrintShapes = false;
    /// The product shape chosen for the supplier section; 0 for all suppliers.
    std::int32_t ProductShapeId = 0;
    bool PrintTradename = false;
    bool PrintComposition = false;
    bool PrintMechanicalProperties = false;
    bool PrintPhysicalProperties = false;
    bool PrintHeatTreatment = false;
    bool PrintStandardsComparsion = false;
    bool PrintInfo = false;

    void PropertyStandardList(std::shared_ptr<const platform::Dictionary<>> list) {
        m_standards = std::move(list);
    }
    void PropertyList(std::shared_ptr<const platform::Dictionary<>> list) { m_properties = std::move(list); }
    void LanguageClass(std::shared_ptr<common::cls_Language> language) { m_language = std::move(language); }
    void Material(std::shared_ptr<objects::Material> material) { m_material = std::move(material); }
    [[nodiscard]] const std::shared_ptr<objects::Material>& Material() const noexcept { return m_material; }

    /// Writes the data sheet into `sDBPath` + print.mdb (opened through the steel's connection)
    /// and clears the switches of sections the steel has no data for. The sheet's captions and the
    /// language of its rows are those of `eLanguage`, the language the program shows (which the
    /// settings may not have kept); its texts come from the text service set. Never throws.
    void writeData(const std::string& sDBPath, common::Language eLanguage);
    /// True after a writeData that wrote everything; false before and after a failed one.
    [[nodiscard]] bool DataComplete() const noexcept { return m_complete; }

    /// The data-sheet report of `reportFilePath` with every table pointed at `printDbFilePath` +
    /// print.mdb under the program's workgroup logon. Throws platform::CallError for a missing or
    /// unreadable report file or a missing sub-report.
    [[nodiscard]] std::shared_ptr<Report> CreateReport(const std::string& reportFilePath,
                                                       const std::string& printDbFilePath) const;

    /// Copies the print template Daten/print_org.mdb of `programFolder` over this running copy's
    /// print.mdb (common::DataFolder::PrintDatabasePath), in the program folder or, when that cannot
    /// be written, in the user's data folder; returns the
    /// folder of print.mdb (ending in the separator) for writeData and CreateReport. Throws
    /// platform::CallError 53 without a template, 75 when the copy fails.
    [[nodiscard]] static std::string PreparePrintDatabase(const std::string& programFolder);

    platform::Event<const ErrorPtr&> Error;

private:
    class Writer;

    std::shared_ptr<const platform::Dictionary<>> m_standards;
    std::shared_ptr<const platform::Dictionary<>> m_properties;
    std::shared_ptr<common::cls_Language> m_language;
    std::shared_ptr<objects::Material> m_material;
    bool m_complete = false;
};

} // namespace orvik::objects
