#pragma once

namespace shell {

/// The program's version, shown in the about box and written into error reports.
struct ProgramVersion {
    static constexpr int Major = 5;
    static constexpr int Minor = 1;
    static constexpr int Revision = 0;
    static constexpr auto Text = "5.1.0";
};

} // namespace shell
