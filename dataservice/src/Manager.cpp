#include "dataservice/Manager.h"

#include "common/Helper.h"
#include "platform/CallError.h"

#include <exception>
#include <new>
#include <optional>

namespace orvik::dataservice {

namespace {

struct Failure {
    std::int32_t number;
    std::string description;
};

} // namespace

Manager::Manager(std::string className) : m_className(std::move(className)) {}

Manager::~Manager() = default;

RecordsetPtr Manager::trapRecordset(std::string_view procedure, const std::function<RecordsetPtr()>& query) {
    return trapScalar<RecordsetPtr>(procedure, nullptr, query);
}

bool Manager::runTrapped(std::string_view procedure, const std::function<void()>& body) {
    std::optional<Failure> failure;
    try {
        body();
    } catch (const platform::CallError& e) {
        failure = Failure{e.number(), e.description()};
    } catch (const std::bad_alloc&) {
        failure =
            Failure{platform::err::OutOfMemory, std::string(platform::err::text(platform::err::OutOfMemory))};
    } catch (const std::exception& e) {
        failure = Failure{platform::err::InvalidProcedureCall, e.what()};
    }
    if (!failure) {
        return true;
    }
    // Raised outside the catch blocks: a handler that throws must not be reported a second time.
    RaiseManagerException(failure->number, failure->description, procedure);
    return false;
}

void Manager::RaiseManagerException(std::int32_t number, const std::string& description,
                                    std::string_view procedure) {
    const auto ex = orvik::common::Helper::CreateExceptionObject(number, m_className, description,
                                                                 std::string(procedure));
    ManagerException.raise(ex);
}

} // namespace orvik::dataservice
