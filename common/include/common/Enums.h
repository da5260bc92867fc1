#pragma once

#include <cstdint>

namespace orvik::common {

/// The language of user-interface texts and of language-dependent database columns. A value read
/// from a hand-edited settings file may lie outside the named ones; users check before indexing.
enum class Language : std::int32_t { German = 0, French = 1, English = 2, UserDefined = 3 };

/// How the system is installed; the connection locates the databases by it.
enum class InstallType : std::int16_t { Min = 1, Max = 2, ClientMin = 3, ClientMax = 4 };

/// The kinds of property tables of a steel.
enum class PropertyTypes : std::int32_t {
    Mechanical = 1,
    Physical = 2,
    HeatTreatment = 3,
    Notes = 4,
    Welding = 5
};

} // namespace orvik::common
