#include "test_support/Errors.h"

#include <string>

namespace test_support {

platform::CallError raisedError(const std::function<void()>& call) {
    try {
        call();
    } catch (const platform::CallError& e) {
        return e;
    }
    return platform::CallError(0, "", "");
}

std::int32_t errorNumber(const std::function<void()>& call) {
    return raisedError(call).number();
}

::testing::AssertionResult failsWith(const std::function<void()>& call, std::int32_t number,
                                     std::string_view text) {
    const platform::CallError error = raisedError(call);
    if (error.number() == 0) {
        return ::testing::AssertionFailure() << "no error raised, expected error " << number;
    }
    if (error.number() != number || error.description().find(text) == std::string::npos) {
        return ::testing::AssertionFailure()
               << "raised error " << error.number() << " \"" << error.description() << "\" from "
               << error.source() << ", expected error " << number
               << (text.empty() ? std::string() : " with \"" + std::string(text) + "\"");
    }
    return ::testing::AssertionSuccess();
}

} // namespace test_support
