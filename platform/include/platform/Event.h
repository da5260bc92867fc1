#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

namespace detail {
/// What a subscription needs of its event: to be taken off it. Kept apart from the argument types so
/// that one subscription type serves every event.
class EventSource {
public:
    virtual ~EventSource() = default;
    virtual void unsubscribe(std::uint64_t id) noexcept = 0;
};
} // namespace detail

/// A handler's place on an event. Unsubscribes when destroyed or reset; outliving the event is
/// harmless. Move-only, so exactly one owner decides when the handler goes.
class Subscription {
public:
    Subscription() = default;
    Subscription(std::weak_ptr<detail::EventSource> source, std::uint64_t id)
        : m_source(std::move(source)), m_id(id) {}
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept
        : m_source(std::exchange(other.m_source, {})), m_id(other.m_id) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            m_source = std::exchange(other.m_source, {});
            m_id = other.m_id;
        }
        return *this;
    }
    ~Subscription() { reset(); }

    void reset() noexcept {
        if (const auto source = m_source.lock()) {
            source->unsubscribe(m_id);
        }
        m_source.reset();
    }
    [[nodiscard]] bool active() const noexcept { return !m_source.expired(); }

private:
    std::weak_ptr<detail::EventSource> m_source;
    std::uint64_t m_id = 0;
};

/// An event of an object (the component runtime's RaiseEvent): handlers subscribe, the owner raises.
/// Handlers run in the order they subscribed, on the raising thread, inside raise(). A handler may
/// subscribe or unsubscribe handlers while the event is raised: one taken off is not called any more,
/// one added is called from the next raise on. Exceptions of a handler reach the raiser. An event
/// belongs to its object and is neither copied nor moved.
template <typename... Args> class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    [[nodiscard]] Subscription subscribe(Handler handler) {
        const auto id = m_state->nextId++;
        m_state->handlers.push_back({id, std::make_shared<Handler>(std::move(handler))});
        return Subscription(m_state, id);
    }

    void raise(Args... args) const {
        // A copy, so that handlers may change the list while it is walked.
        const auto state = m_state;
        const auto handlers = state->handlers;
        for (const auto& slot : handlers) {
            if (state->contains(slot.id)) {
                (*slot.handler)(args...);
            }
        }
    }

    [[nodiscard]] std::size_t subscriberCount() const noexcept { return m_state->handlers.size(); }

private:
    struct Slot {
        std::uint64_t id;
        std::shared_ptr<Handler> handler;
    };
    struct State : detail::EventSource {
        std::vector<Slot> handlers;
        std::uint64_t nextId = 1;

        void unsubscribe(std::uint64_t id) noexcept override {
            std::erase_if(handlers, [id](const Slot& slot) { return slot.id == id; });
        }
        [[nodiscard]] bool contains(std::uint64_t id) const noexcept {
            return std::any_of(handlers.begin(), handlers.end(),
                               [id](const Slot& slot) { return slot.id == id; });
        }
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

} // namespace platform
