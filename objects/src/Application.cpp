#include "objects/Application.h"

#include "BoundManager.h"
#include "common/CompositionSearchItems.h"
#include "common/Exception.h"
#include "common/Helper.h"
#include "common/ProgrammSettings.h"
#include "common/TextID.h"
#include "common/VersionText.h"
#include "common/cls_Language.h"
#include "dataservice/CompositionManager.h"
#include "dataservice/CountryManager.h"
#include "dataservice/DesignationManager.h"
#include "dataservice/InfoManager.h"
#include "dataservice/StandardManager.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Connection.h"
#include "objects/List.h"
#include "objects/Material.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/VbConvert.h"

#include <exception>

namespace orvik::objects {
namespace {

using orvik::common::Helper;
using orvik::common::ProgrammSettings;
using orvik::common::TextID;

constexpr const char* Crlf = "\r\n";

platform::db::DBEngine programEngine() {
    platform::db::DBEngine engine;
    engine.setSystemDB(ProgrammSettings().ApplicationPath() + "GK2007.LG");
    return engine;
}

bool hasRows(const std::shared_ptr<platform::db::Recordset>& rs) {
    return rs && !(rs->bof() && rs->eof());
}

} // namespace

std::shared_ptr<Application> Application::create() {
    return create(programEngine());
}

std::shared_ptr<Application> Application::create(platform::db::DBEngine engine) {
    return std::shared_ptr<Application>(new Application(std::move(engine)));
}

Application::Application(platform::db::DBEngine engine)
    : m_comError(std::make_shared<objects::Error>()),
      m_connection(std::make_shared<objects::Connection>(engine)),
      m_language(std::make_shared<orvik::common::cls_Language>(engine)) {
    m_connectionRelay = m_connection->Error.subscribe([this](const ErrorPtr& error) {
        m_connection->setLoggedIn(false);
        relay(*error);
    });
    m_language->setLanguage(ProgrammSettings().CurrentLanguage());
    m_connection->SetLanguage(m_language);
}

Application::~Application() = default;

bool Application::LoggedIn() const noexcept {
    return m_connection->LoggedIn();
}

void Application::relay(const objects::Error& error) {
    if (!m_comError) {
        m_comError = std::make_shared<objects::Error>();
    }
    m_comError->assign(error);
    // A handler may drop comError; the event still carries the record that was reported.
    const ErrorPtr reported = m_comError;
    Error.raise(reported);
}

void Application::ReportError(std::int32_t number, const std::string& modul, const std::string& procedure,
                              const std::string& description) {
    relay(objects::Error(number, modul, procedure, description));
}

std::function<void(const orvik::dataservice::ExceptionPtr&)> Application::managerRelay() {
    return [this](const orvik::dataservice::ExceptionPtr& ex) {
        relay(copyOf(*ex));
    };
}

bool Application::RequireConnection(const std::string& procedure) {
    if (LoggedIn()) {
        return true;
    }
    ReportError(NoConnection, "Application", procedure, NoConnectionText);
    return false;
}

void Application::OpenConnection(bool bAutoLogin) {
    try {
        const ProgrammSettings settings;
        m_language->setDbPath(Helper::Backslash(settings.ApplicationPath()) + "Daten/");
        m_language->createRecordsetsImmediately();
        if (platform::trimBlanks(settings.Datenbankpfad()).empty()) {
            return;
        }
        m_connection->Connect(bAutoLogin);
    } catch (const platform::CallError& e) {
        ReportError(e.number(), "Application", "InitConnection", e.description());
    } catch (const std::exception& e) {
        ReportError(platform::err::InvalidProcedureCall, "Application", "InitConnection", e.what());
    }
}

void Application::CloseConnection() {
    m_connection->Close();
}

std::shared_ptr<objects::List> Application::List() const {
    auto list = std::make_shared<objects::List>();
    static_cast<void>(list->Init(m_connection));
    return list;
}

std::shared_ptr<objects::Material> Application::Material(std::string_view idSteel,
                                                         std::string_view IdDesignation,
                                                         const platform::Variant& idDesignationCountry) {
    auto material = std::make_shared<objects::Material>();
    if (LoggedIn()) {
        material->Init(idSteel, IdDesignation, idDesignationCountry, shared_from_this());
    }
    return material;
}

std::string Application::GetTop1MaterialNumber(std::string_view idSteel, std::int32_t IdCountry) {
    if (!RequireConnection("GetTop1MaterialNumber")) {
        return {};
    }
    // Not relayed: a list asks this per row, and its failure reads as "no material number".
    orvik::dataservice::DesignationManager manager;
    return manager.GetTop1MaterialNumber(m_connection->Database(), idSteel, IdCountry);
}

std::shared_ptr<platform::db::Recordset> Application::CompositionSearch(
    std::int32_t IdCountry, const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems) {
    if (!RequireConnection("CompositionSearch")) {
        return nullptr;
    }
    BoundManager<orvik::dataservice::CompositionManager> manager(managerRelay());
    return manager->SearchCompositions(m_connection->Database(), IdCountry, searchItems);
}

std::shared_ptr<platform::db::Recordset> Application::CompositionFuzzySearch(
    std::int32_t IdCountry, const std::shared_ptr<const orvik::common::CompositionSearchItems>& searchItems,
    std::int32_t requiredCompositions, std::int32_t maxTolerance,
    const std::function<bool(std::int32_t step, std::int32_t tolerance)>& progress) {
    if (!RequireConnection("CompositionFuzzySearch")) {
        return nullptr;
    }
    BoundManager<orvik::dataservice::CompositionManager> manager(managerRelay());
    return manager->FuzzySearchCompositions(m_connection->Database(), IdCountry, searchItems,
                                            requiredCompositions, maxTolerance, progress);
}

std::shared_ptr<ChemicalCompostion> Application::ChemicalComposition(std::string_view idComposition) {
    if (!RequireConnection("ChemicalComposition")) {
        return nullptr;
    }
    BoundManager<orvik::dataservice::CompositionManager> manager(managerRelay());
    const auto& db = m_connection->Database();
    const auto rs = manager->GetCompositionById(db, idComposition);
    if (!hasRows(rs)) {
        return nullptr;
    }
    rs->moveFirst();
    const auto values = manager->GetValuesForComposition(db, platform::CStr(rs->field("ID_Analyse")));
    if (!values) {
        return nullptr;
    }
    try {
        ChemicalCompostions compositions;
        return compositions.Add(rs.get(), *values, nullptr, false);
    } catch (const platform::CallError& e) {
        ReportError(e.number(), "Application", "ChemicalComposition", e.description());
    }
    return nullptr;
}

std::string Application::StandardInformations(std::int32_t idStandard) {
    if (!RequireConnection("StandardInformations")) {
        return {};
    }
    std::string text;
    BoundManager<orvik::dataservice::StandardManager> manager(managerRelay());
    const auto rs = manager->GetDetailsById(m_connection->Database(), idStandard, m_language->Language());
    // Each step on its own: a failing one leaves the text as far as it was built.
    const auto step = [](const auto& body) {
        try {
            body();
        } catch (const std::exception&) {
        }
    };
    if (hasRows(rs)) {
        for (const char* column : {"Land", "Name", "Titel"}) {
            step([&] {
                const auto value = rs->field(column);
                if (!value.isNull()) {
                    text += Helper::CVarStr(value) + Crlf;
                }
            });
        }
        const auto block = [&](const char* column, TextID caption, bool lineBefore) {
            step([&] {
                const auto value = rs->field(column);
                if (value.isNull() || Helper::CVarStr(value).empty()) {
                    return;
                }
                text += std::string(lineBefore ? Crlf : "") + m_language->getTextFromDB(caption) + Crlf +
                        platform::CStr(value);
            });
        };
        block("Uebereinstimmung", TextID::InternationaleUebereinstimmung, false);
        block("Nachfolgedokument", TextID::Nachfolgedokument, true);
        block("Vorgaengerdokument", TextID::Vorgaengerdokument, true);
        rs->close();
    }
    if (text.size() > 2 && text.ends_with(Crlf)) {
        text.resize(text.size() - 2);
    }
    return text;
}

std::int32_t Application::countryId(std::string_view sSymbol) {
    if (!RequireConnection("countryId")) {
        return 0;
    }
    BoundManager<orvik::dataservice::CountryManager> manager(managerRelay());
    return manager->GetCountryIdBySymbol(m_connection->Database(), sSymbol);
}

std::string Application::CountrySmbol(std::int32_t lID) {
    if (!RequireConnection("CountrySmbol")) {
        return {};
    }
    BoundManager<orvik::dataservice::CountryManager> manager(managerRelay());
    return manager->GetCountrySymbolById(m_connection->Database(), lID);
}

std::string Application::Version() const {
    return orvik::common::VersionText::format(GK_LIBRARY_VERSION_MAJOR, GK_LIBRARY_VERSION_MINOR,
                                              GK_LIBRARY_VERSION_REVISION);
}

std::string Application::ServiceVersion() const {
    return orvik::dataservice::InfoManager().Version();
}

} // namespace orvik::objects
