#pragma once

// The check of an error a call raises: its number and, where it matters, a part of its text.

#include "platform/CallError.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string_view>

namespace test_support {

/// The error the call raised; one of number 0 and no text when it returned.
[[nodiscard]] platform::CallError raisedError(const std::function<void()>& call);

/// The number of the error the call raised, 0 when it returned.
[[nodiscard]] std::int32_t errorNumber(const std::function<void()>& call);

/// Passes when the call raises error `number` with `text` in its description; a failure tells what the
/// call raised instead. Use as EXPECT_TRUE(failsWith(...)).
[[nodiscard]] ::testing::AssertionResult failsWith(const std::function<void()>& call, std::int32_t number,
                                                   std::string_view text = {});

} // namespace test_support
