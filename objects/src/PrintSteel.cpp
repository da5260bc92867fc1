#include "objects/PrintSteel.h"

#include "DataSheetReport.h"
#include "PrintRangeText.h"
#include "common/DataFolder.h"
#include "common/Helper.h"
#include "common/ProgrammSettings.h"
#include "common/TextID.h"
#include "common/cls_Language.h"
#include "dataservice/SupplierManager.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Connection.h"
#include "objects/Designations.h"
#include "objects/Elements.h"
#include "objects/Material.h"
#include "objects/ProductShapes.h"
#include "objects/PropertyBags.h"
#include "objects/Report.h"
#include "objects/StandardComparisons.h"
#include "objects/Standards.h"
#include "objects/Suppliers.h"
#include "platform/AtomicFile.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace orvik::objects {

namespace {

using common::Helper;
using platform::Variant;

constexpr const char* Modul = "PrintSteel";
constexpr const char* LineBreak = "\r\n";

bool blank(const std::string& text) {
    return platform::trimBlanks(text).empty();
}

bool noValue(const Variant& value) {
    return value.isNull() || value.isEmpty();
}

// One table of print.mdb, filled row by row with bound values in the order of its columns.
class PrintTable {
public:
    PrintTable(platform::db::Database& db, const std::string& name)
        : m_rows(db.openRecordset("SELECT * FROM " + name, platform::db::RecordsetType::Dynaset)) {}
    ~PrintTable() {
        try {
            m_rows->close();
        } catch (const platform::CallError&) {
        }
    }
    PrintTable(const PrintTable&) = delete;
    PrintTable& operator=(const PrintTable&) = delete;

    void add(const std::vector<Variant>& values) {
        m_rows->addNew();
        for (std::size_t i = 0; i < values.size(); ++i) {
            m_rows->setField(m_rows->fieldName(static_cast<std::int32_t>(i)), values[i]);
        }
        m_rows->update();
    }
    /// One row by column name.
    void add(const std::vector<std::pair<std::string, Variant>>& values) {
        m_rows->addNew();
        for (const auto& [name, value] : values) {
            m_rows->setField(name, value);
        }
        m_rows->update();
    }

private:
    std::shared_ptr<platform::db::Recordset> m_rows;
};

Variant flag(bool value) {
    return Variant(value ? -1 : 0);
}

void rollBack(const std::shared_ptr<platform::db::Database>& db, bool inTransaction) {
    if (!inTransaction) {
        return;
    }
    try {
        db->rollback();
    } catch (const platform::CallError&) {
    }
}

} // namespace

// A failure of the steel ended the writing; the steel has reported it through its own Error.
struct ToldBySteel {};

// The writing of one data sheet: the steps in their order, each under its own name for the error.
class PrintSteel::Writer {
public:
    Writer(PrintSteel& print, platform::db::Database& db, common::Language language)
        : m_print(print), m_db(db), m_material(*print.m_material),
          m_language(static_cast<std::int32_t>(language)) {
        m_subscription =
            m_material.Error.subscribe([this](const ErrorPtr& error) { m_materialErrors.push_back(error); });
    }

    void run() {
        step("writeData", [this] { empty(); });
        step("writeBasisData", [this] { writeBasisData(); });
        step("writeStandards", [this] { writeStandards(); });
        if (m_print.PrintSuppliers) {
            step("writeSuppliers", [this] { writeSuppliers(); });
        }
        if (m_print.PrintComposition) {
            step("writeComposition", [this] { writeComposition(); });
        }
        if (m_print.PrintMechanicalProperties || m_print.PrintPhysicalProperties ||
            m_print.PrintHeatTreatment) {
            step("writeProperties", [this] { writeProperties(); });
        }
        if (m_print.PrintStandardsComparsion) {
            step("writeStandardComparsion", [this] { writeStandardComparsion(); });
        }
        step("writePrintSettings", [this] { writePrintSettings(); });
    }

    [[nodiscard]] const std::string& current() const noexcept { return m_step; }

private:
    template <class Body> void step(const char* name, Body body) {
        m_step = name;
        body();
        // The steel reports its own failures instead of throwing them; they end the writing as well,
        // and the user has learnt of them from the steel.
        if (!m_materialErrors.empty()) {
            throw ToldBySteel{};
        }
    }

    template <class T> const T& required(const std::shared_ptr<T>& part, const char* what) const {
        if (!part) {
            if (!m_materialErrors.empty()) {
                throw ToldBySteel{};
            }
            throw platform::CallError(platform::err::InvalidProcedureCall, Modul,
                                      std::string("The steel's ") + what + " could not be read");
        }
        return *part;
    }

    void empty() {
        for (const char* table :
             {"tabWerkstoff", "tabAnalyse", "tabAnalyseFussnote", "tabFirma", "tabEigenschaftenuebersicht",
              "tabEigenschaft", "tabNormvergleich", "tabNorm"}) {
            m_db.execute(std::string("DELETE FROM ") + table + ";");
        }
        const auto language = std::to_string(m_language);
        m_db.execute("DELETE FROM tabSeitenkopf WHERE Id_Sprache <> " + language + ";");
        m_db.execute("DELETE FROM tabDetails WHERE Id_Sprache <> " + language + ";");
    }

    void writeBasisData() {
        const auto& numbers = required(m_material.MaterialNumbers(), "material numbers");
        const auto designation =
            numbers.Count() > 0 ? m_material.MaterialNumbersForCountry() : m_material.MaterialNo();
        const auto range = m_material.RangeOfApplication();
        const auto info = m_material.InfoForPrint();
        PrintTable(m_db, "tabWerkstoff")
            .add({Variant(1), Variant(designation), Variant(m_material.SteelgroupDetail()),
                  Variant(m_material.Country()), Variant(range), Variant(m_material.SymbolsForCountry()),
                  Variant(m_material.StandardsText()), Variant(info)});
        if (blank(info)) {
            m_print.PrintInfo = false;
        }
        if (blank(range)) {
            m_print.PrintRangeOfApplication = false;
        }
        if (blank(m_material.SteelgroupDetail())) {
            m_print.PrintSteelgroup = false;
        }
    }

    void writeStandards() {
        const auto& standards = required(m_material.Standards(), "standards");
        PrintTable table(m_db, "tabNorm");
        for (const auto& standard : standards) {
            table.add({Variant(1), Variant(standard->Standard), Variant(standard->StandardTitle)});
        }
        if (standards.Count() == 0) {
            m_print.PrintStandards = false;
        }
    }

    void writeSuppliers() {
        PrintTable table(m_db, "tabFirma");
        std::int32_t row = 0;
        const auto add = [&](const Supplier& supplier, const std::string& address,
                             const std::string& tradenames, const std::string& shapes) {
            table.add({Variant(1), Variant(supplier.Name), Variant(supplier.Name2), Variant(address),
                       Variant(tradenames), Variant(shapes), Variant(row++)});
        };
        const auto& suppliers = required(m_material.Suppliers(), "suppliers");
        if (m_print.PrintShapes && m_print.ProductShapeId != 0) {
            const auto& shapes = required(m_material.ProductShapes(), "product shapes");
            std::shared_ptr<ProductShape> chosen;
            for (const auto& shape : shapes) {
                if (shape->ShapeID == m_print.ProductShapeId) {
                    chosen = shape;
                    break;
                }
            }
            if (!chosen) {
                throw platform::CallError(platform::err::InvalidProcedureCall, Modul,
                                          "The steel has no product shape " +
                                              std::to_string(m_print.ProductShapeId));
            }
            dataservice::SupplierManager manager;
            for (const auto& supplier : *chosen->Suppliers) {
                std::string tradenames;
                if (m_print.PrintTradename) {
                    for (const auto& own : suppliers) {
                        if (own->Supplier_ID == supplier->Supplier_ID) {
                            for (const auto& name : *own->Tradenames) {
                                tradenames += name->Designation + LineBreak;
                            }
                        }
                    }
                }
                const auto address =
                    manager.GetAddressById(m_material.Connection()->Database(), supplier->Supplier_ID);
                add(*supplier, address, tradenames, chosen->Shape);
            }
            if (chosen->Suppliers->Count() == 0) {
                clearSupplierSwitches();
            }
            return;
        }
        std::shared_ptr<ProductShapes> shapes;
        if (m_print.PrintShapes) {
            shapes = m_material.ProductShapes();
            required(shapes, "product shapes");
        }
        for (const auto& supplier : suppliers) {
            std::string shapeText;
            if (shapes) {
                for (const auto& shape : *shapes) {
                    for (const auto& deliverer : *shape->Suppliers) {
                        if (deliverer->Supplier_ID == supplier->Supplier_ID) {
                            shapeText += shape->Shape + LineBreak;
                            break;
                        }
                    }
                }
            }
            std::string tradenames;
            if (m_print.PrintTradename) {
                for (const auto& name : *supplier->Tradenames) {
                    tradenames += name->Designation + LineBreak;
                }
            }
            add(*supplier, supplier->Address, tradenames, shapeText);
        }
        if (suppliers.Count() == 0) {
            clearSupplierSwitches();
        }
    }

    void clearSupplierSwitches() {
        m_print.PrintSuppliers = false;
        m_print.PrintAddress = false;
        m_print.PrintShapes = false;
    }

    std::string valueText(const Element& element) const {
        if (element.Rest) {
            return m_print.m_language ? m_print.m_language->getTextFromDB(common::TextID::Rest)
                                      : std::string();
        }
        const auto limit = [&element](const Variant& value, bool isMaximum) {
            if (noValue(value)) {
                return Variant::null();
            }
            const double number = platform::CDbl(value);
            if (number <= 0 || (isMaximum && number >= 100)) {
                return Variant::null();
            }
            return Variant(
                Helper::FormatDoubleToString(Variant(Helper::CVarStr(value)), element.Backnumbers));
        };
        return Material::JoinText(limit(element.MinValue, false), limit(element.MaxValue, true), "",
                                  element.OptionalValue);
    }

    void writeComposition() {
        const auto& compositions = required(m_material.ChemicalCompositions(0), "compositions");
        if (compositions.Count() == 0) {
            m_print.PrintComposition = false;
            return;
        }
        PrintTable values(m_db, "tabAnalyse");
        PrintTable notes(m_db, "tabAnalyseFussnote");
        std::vector<std::string> written;
        std::int32_t k = 0;
        std::int32_t e = 0;
        for (const auto& composition : compositions) {
            if (std::find(written.begin(), written.end(), composition->ID_Composition) != written.end()) {
                continue;
            }
            written.push_back(composition->ID_Composition);
            ++k;
            std::string footnotes;
            // A footnote is told once per composition, however many elements carry its mark; one
            // whose text stands inside another's is a footnote of its own.
            std::set<std::pair<std::string, std::string>> told;
            for (const auto& element : *composition->Elements) {
                if (!element->OnlySearch) {
                    std::string references;
                    for (const auto& note : *element->Footnotes) {
                        references += note->Symbol + ") ";
                        if (told.emplace(note->Symbol, note->Footnote).second) {
                            footnotes +=
                                (footnotes.empty() ? "" : LineBreak) + note->Symbol + ") " + note->Footnote;
                        }
                    }
                    values.add({Variant(1), Variant(k), Variant(element->Element),
                                Variant(valueText(*element)), Variant(element->Others), Variant(references),
                                Variant(e)});
                }
                ++e;
            }
            if (!footnotes.empty()) {
                notes.add({Variant(k), Variant(footnotes)});
            }
        }
    }

    [[nodiscard]] bool chosen(const PropertyBag& bag) const {
        bool on = false;
        switch (bag.PropertyType) {
        case 1:
        case 4:
            on = m_print.PrintMechanicalProperties;
            break;
        case 2:
            on = m_print.PrintPhysicalProperties;
            break;
        case 3:
        case 5:
            on = m_print.PrintHeatTreatment;
            break;
        default:
            break;
        }
        return on && listed(m_print.m_standards, bag.Standard_ID);
    }

    // The callers key their lists by the number or by its decimal text.
    static bool listed(const std::shared_ptr<const platform::Dictionary<>>& list, std::int32_t id) {
        return list && (list->exists(Variant(std::to_string(id))) || list->exists(Variant(id)));
    }

    void writeProperties() {
        const auto loaded = m_material.PropertyBags();
        const auto& bags = required(loaded, "property tables");
        // Tables that a failed query left incomplete would make a sheet that looks whole; the steel
        // told the failure when it read them.
        if (bags.Failure()) {
            throw ToldBySteel{};
        }
        // A matrix that cannot be read was told by the steel; the sheet marks its table instead.
        for (const auto& unreadable : bags.Unreadable()) {
            std::erase(m_materialErrors, unreadable.error);
        }
        if (bags.Count() == 0 && bags.Unreadable().empty()) {
            m_print.PrintMechanicalProperties = false;
            m_print.PrintPhysicalProperties = false;
            m_print.PrintHeatTreatment = false;
        }
        PropertyTables tables{PrintTable(m_db, "tabEigenschaftenuebersicht"),
                              PrintTable(m_db, "tabEigenschaft")};
        auto unreadable = bags.Unreadable().begin();
        const auto markUnreadableUpTo = [&](std::int32_t position) {
            for (; unreadable != bags.Unreadable().end() && unreadable->position <= position; ++unreadable) {
                if (chosen(*unreadable->header)) {
                    writeUnreadable(tables, *unreadable->header);
                }
            }
        };
        std::int32_t position = 0;
        for (const auto& bag : bags) {
            markUnreadableUpTo(position++);
            if (chosen(*bag) && bag->Properties->Count() > 0) {
                writeTable(tables, *bag);
            }
        }
        markUnreadableUpTo(position);
    }

    // The print tables of the property section and the numbers of the next table and value row.
    struct PropertyTables {
        PrintTable overview;
        PrintTable rows;
        std::int32_t t = 1;
        std::int32_t p = 1;
    };

    void writeOverview(PropertyTables& tables, const PropertyBag& bag, const std::string& notes,
                       const std::string& notice) {
        const auto headline = bag.StandardName.empty()
                                  ? bag.StandardTitle
                                  : bag.StandardName + " " + LineBreak + bag.StandardTitle;
        tables.overview.add({Variant(1), Variant(tables.t), Variant(bag.Standard_ID),
                             Variant(bag.PropertyType), Variant(headline), Variant(m_material.MaterialNo()),
                             Variant(std::string()), Variant(bag.PropertyTypeName), Variant(notes),
                             Variant(tables.p), Variant(notice)});
        ++tables.t;
    }

    // A table left out for its unreadable matrix keeps its heading and says so in its place.
    void writeUnreadable(PropertyTables& tables, const PropertyBag& header) {
        const auto notice = m_print.m_language
                                ? m_print.m_language->getTextFromDB(common::TextID::Tabelle_nicht_lesbar)
                                : std::string();
        writeOverview(tables, header, std::string(), notice);
    }

    void writeTable(PropertyTables& tables, const PropertyBag& bag) {
        std::string notes;
        for (const auto& note : *bag.Footnotes) {
            notes += (notes.empty() ? "" : std::string(LineBreak) + LineBreak) + note->Symbol + " " +
                     note->Footnote;
        }
        const auto t = tables.t;
        writeOverview(tables, bag, notes, std::string());
        for (const auto& value : *bag.Properties) {
            if (!m_print.m_properties ||
                !m_print.m_properties->exists(Variant(std::to_string(value->propertyId)))) {
                continue;
            }
            tables.rows.add(
                {Variant(t), Variant(bag.PropertyType), Variant(bag.Standard_ID), Variant(value->Name),
                 Variant(value->Status),
                 Variant(rangeText(value->StatusTemp_min, value->StatusTemp_max, "°C")), Variant(value->FORM),
                 Variant(rangeText(value->Metrics_min, value->Metrics_max, "mm")),
                 Variant(rangeText(value->Value_min, value->Value_max, value->unit)),
                 Variant(value->Specimen), Variant(rangeText(value->Temp_min, value->Temp_max, "°C")),
                 Variant(rangeText(value->Duration_min, value->Duration_max, value->DurationUnit)),
                 Variant(value->Cooling), Variant(value->unit), Variant(value->Classification),
                 Variant(value->Footnote_Symbol), Variant(tables.p), Variant(m_language)});
            ++tables.p;
        }
    }

    void writeStandardComparsion() {
        const auto& comparisons = required(m_material.StandardComparisons(), "standard comparison");
        PrintTable table(m_db, "tabNormvergleich");
        std::int32_t n = 0;
        for (const auto& comparison : comparisons) {
            table.add({Variant(1), Variant(comparison->Country), Variant(comparison->Designation),
                       Variant(comparison->StandardDesignation), Variant(comparison->MaterialDesignation),
                       Variant(n++)});
        }
        if (comparisons.Count() == 0) {
            m_print.PrintStandardsComparsion = false;
        }
    }

    void writePrintSettings() {
        m_db.execute("DELETE FROM tabAuswahl;");
        const auto& s = m_print;
        PrintTable(m_db, "tabAuswahl")
            .add(std::vector<std::pair<std::string, Variant>>{
                {"ID_Stahl", Variant(1)},
                {"Normen", flag(s.PrintStandards)},
                {"Stahlgruppe", flag(s.PrintSteelgroup)},
                {"Verwendungszweck", flag(s.PrintRangeOfApplication)},
                {"ANALYSE", flag(s.PrintComposition)},
                {"Eigenschaften",
                 flag(s.PrintHeatTreatment || s.PrintPhysicalProperties || s.PrintMechanicalProperties)},
                {"Waermebehandlung", flag(s.PrintHeatTreatment)},
                {"PhysikalischeEigenschaften", flag(s.PrintPhysicalProperties)},
                {"MechanischeEigenschaften", flag(s.PrintMechanicalProperties)},
                {"Normenvergleich", flag(s.PrintStandardsComparsion)},
                {"Lieferfirmen", flag(s.PrintSuppliers)},
                {"Anschrift", flag(s.PrintAddress)},
                {"Lieferform", flag(s.PrintShapes)},
                {"Firmenbezeichnung", flag(s.PrintTradename)},
                {"Info", flag(s.PrintInfo)},
            });
    }

    PrintSteel& m_print;
    platform::db::Database& m_db;
    objects::Material& m_material;
    platform::Subscription m_subscription;
    std::vector<ErrorPtr> m_materialErrors;
    std::int32_t m_language;
    std::string m_step = "writeData";
};

void PrintSteel::writeData(const std::string& sDBPath, common::Language eLanguage) {
    m_complete = false;
    const auto raise = [this](std::int32_t number, const std::string& procedure,
                              const std::string& description) {
        Error.raise(std::make_shared<const objects::Error>(number, Modul, procedure, description));
    };
    if (!m_material || !m_material->Connection()) {
        raise(platform::err::ObjectNotSet, "writeData", "There is no steel to print");
        return;
    }
    std::shared_ptr<platform::db::Database> db;
    std::optional<Writer> writer;
    bool inTransaction = false;
    try {
        db = m_material->Connection()->OpenPrintDatabase(Helper::Backslash(sDBPath));
        db->beginTrans();
        inTransaction = true;
        writer.emplace(*this, *db, eLanguage);
        writer->run();
        db->commitTrans();
        inTransaction = false;
        m_complete = true;
    } catch (const ToldBySteel&) {
        rollBack(db, inTransaction);
    } catch (const platform::CallError& e) {
        rollBack(db, inTransaction);
        raise(e.number(), writer ? writer->current() : std::string("writeData"), e.description());
    }
    writer.reset();
    if (db) {
        try {
            db->close();
        } catch (const platform::CallError&) {
        }
    }
}

std::shared_ptr<Report> PrintSteel::CreateReport(const std::string& reportFilePath,
                                                 const std::string& printDbFilePath) const {
    // One connection of its own gives every table the workgroup logon.
    const objects::Connection logon{platform::db::DBEngine()};
    return openDataSheetReport(reportFilePath, printDbFilePath,
                               [&logon](ReportTable& table) { logon.SetReportConnection(table); });
}

std::string PrintSteel::PreparePrintDatabase(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path printTemplate = fs::path(Helper::Backslash(programFolder)) / "Daten" / "print_org.mdb";
    if (!fs::is_regular_file(printTemplate)) {
        throw platform::CallError(platform::err::FileNotFound, Modul,
                                  "The print template " + printTemplate.string() + " is missing");
    }
    const fs::path target = common::DataFolder::PrintDatabasePath(programFolder);
    // Replaced whole or not at all: a copy cut short by a full disk would leave a damaged database.
    std::string content;
    if (!platform::readWholeFile(printTemplate, content)) {
        throw platform::CallError(platform::err::PathFileAccessError, Modul,
                                  "The print template " + printTemplate.string() + " cannot be read");
    }
    if (!platform::AtomicFile::write(target, content)) {
        throw platform::CallError(platform::err::PathFileAccessError, Modul,
                                  "The print database " + target.string() + " cannot be written");
    }
    return Helper::Backslash(target.parent_path().string());
}

} // namespace orvik::objects
