#pragma once

#include <QString>
#include <cstdint>

namespace shell {

/// What the user is told when no database is open, in the language (0 German, 1 French, else
/// English): the files looked for, the folders they were looked in and the INI file that names them,
/// and the offer to set the folder in the settings.
[[nodiscard]] QString MissingDatabaseText(std::int32_t language);

} // namespace shell
