#pragma once

#include "common/Exception.h"
#include "dataservice/Types.h"
#include "platform/Event.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvik::dataservice {

/// What every manager of the data service shares: the event ManagerException and the one error trap
/// that every query method runs its work in. A manager keeps no database and nothing between calls
/// apart from its language tables; it never lets an error reach its caller. A failing query raises
/// ManagerException exactly once (Modul = the class name, Procedure = the method's name) and the
/// method returns its failure value: a null record set, which is not the same as an empty one.
class Manager {
public:
    virtual ~Manager();
    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;

    /// Raised synchronously inside the failing call, before it returns.
    platform::Event<const ExceptionPtr&> ManagerException;

    [[nodiscard]] const std::string& className() const noexcept { return m_className; }

protected:
    explicit Manager(std::string className);

    /// Runs `query` in the trap; a failure yields null after the one event.
    [[nodiscard]] RecordsetPtr trapRecordset(std::string_view procedure,
                                             const std::function<RecordsetPtr()>& query);

    /// The same for a method with a scalar result and its failure value.
    template <class T>
    [[nodiscard]] T trapScalar(std::string_view procedure, T failureValue, const std::function<T()>& query) {
        T result = failureValue;
        if (!runTrapped(procedure, [&] { result = query(); })) {
            return failureValue;
        }
        return result;
    }

private:
    /// The trap: true when `body` ran through, false after it failed and the event was raised.
    bool runTrapped(std::string_view procedure, const std::function<void()>& body);
    void RaiseManagerException(std::int32_t number, const std::string& description,
                               std::string_view procedure);

    std::string m_className;
};

} // namespace orvik::dataservice
