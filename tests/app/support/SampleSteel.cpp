#include "SampleSteel.h"

#include "common/Enums.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "objects/PrintSteel.h"
#include "objects/Report.h"

#include <filesystem>
#include <stdexcept>

namespace apptest {

namespace {

using platform::Variant;

std::shared_ptr<platform::Dictionary<>>
keysOf(std::initializer_list<std::shared_ptr<orvik::objects::Material::ListItems_t>> lists) {
    auto keys = std::make_shared<platform::Dictionary<>>();
    for (const auto& list : lists) {
        for (const auto& entry : *list) {
            if (!keys->exists(entry.key)) {
                keys->add(entry.key, entry.key);
            }
        }
    }
    return keys;
}

} // namespace

SampleSteel::SampleSteel(SeenAs seen) {
    namespace fs = std::filesystem;
    fs::copy_file(GK_SAMPLE_PRINT_ORG_MDB, m_program.programFolder() / "Daten" / "print_org.mdb");
    fs::create_directories(m_program.programFolder() / "Reports");
    fs::copy_file(GK_REPORT_FILE, m_program.programFolder() / "Reports" / "Report.rpt");
    m_app = orvik::objects::Application::create();
    m_app->OpenConnection();
    if (!m_app->LoggedIn()) {
        throw std::runtime_error("the sample databases did not open");
    }
    m_material = m_app->Material(seen.steel, seen.designation, Variant(seen.occurrence));
}

SampleSteel::~SampleSteel() {
    m_app->CloseConnection();
}

std::string SampleSteel::programFolder() const {
    return (m_program.programFolder() / "").string();
}

void switchEverySectionOn(orvik::objects::PrintSteel& print) {
    for (bool* on :
         {&print.PrintStandards, &print.PrintSteelgroup, &print.PrintRangeOfApplication,
          &print.PrintSuppliers, &print.PrintAddress, &print.PrintShapes, &print.PrintTradename,
          &print.PrintComposition, &print.PrintMechanicalProperties, &print.PrintPhysicalProperties,
          &print.PrintHeatTreatment, &print.PrintStandardsComparsion, &print.PrintInfo}) {
        *on = true;
    }
}

orvik::objects::ReportDocument SampleSteel::dataSheet(const std::string& date) const {
    orvik::objects::PrintSteel print;
    switchEverySectionOn(print);
    print.Material(m_material);
    print.LanguageClass(m_app->LanguageObject());
    print.PropertyStandardList(keysOf({m_material->GetPropertyStandardList()}));
    print.PropertyList(keysOf(
        {m_material->GetPropertyList(1), m_material->GetPropertyList(2), m_material->GetPropertyList(3)}));
    const auto folder = orvik::objects::PrintSteel::PreparePrintDatabase(programFolder());
    print.writeData(folder, orvik::common::Language::German);
    if (!print.DataComplete()) {
        throw std::runtime_error("the data sheet was not written");
    }
    return print.CreateReport(GK_REPORT_FILE, folder)->Document(date);
}

} // namespace apptest
