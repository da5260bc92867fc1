#pragma once

#include "common/Exception.h"
#include "dataservice/Manager.h"
#include "objects/Error.h"
#include "platform/Event.h"

#include <functional>
#include <utility>

namespace orvik::objects {

/// The four values of a data-service failure as the object model's own record.
[[nodiscard]] inline Error copyOf(const orvik::common::Exception& ex) {
    return Error(ex.Number(), ex.Modul(), ex.Procedure(), ex.Description());
}

/// A data-service manager held for one query, its ManagerException bound to the holder's relay for
/// as long as it lives, so that a failure of the query reaches the holder inside the call.
template <class M> class BoundManager {
public:
    using Relay = std::function<void(const orvik::dataservice::ExceptionPtr&)>;

    explicit BoundManager(Relay relay)
        : m_subscription(m_manager.ManagerException.subscribe(std::move(relay))) {}
    BoundManager(const BoundManager&) = delete;
    BoundManager& operator=(const BoundManager&) = delete;

    [[nodiscard]] M* operator->() noexcept { return &m_manager; }
    [[nodiscard]] M& operator*() noexcept { return m_manager; }

private:
    M m_manager;
    platform::Subscription m_subscription;
};

} // namespace orvik::objects
