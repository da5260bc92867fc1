#pragma once

#include <string>
#include <string_view>

namespace platform::db {

/// Translates one Jet SQL statement (SELECT with UNION, INSERT, UPDATE, DELETE; CREATE, DROP and
/// ALTER pass through with names and literals converted) into SQLite SQL for a connection on which
/// registerJetExtensions ran: the result calls its jet_* functions and the JETTEXT collation.
/// Throws CallError with Jet's number and text when the statement does not parse: 3075 for an
/// expression ("Syntax error (missing operator) in query expression '...'." and its kin), 3085 for
/// an unknown function, 3129/3130/3131/3132/3134/3135/3138/3141/3142/3144/3319 for the clauses,
/// 3360 for nesting too deep. Pure: the same input always gives the same output.
[[nodiscard]] std::string translateStatement(std::string_view jetSql);

/// Translates a Jet criteria text (a WHERE expression without the keyword, as FindFirst takes it).
/// Syntax errors are 3077 ("Syntax error (missing operator) in expression." and its kin), as DAO's
/// Find reports them.
[[nodiscard]] std::string translateCriteria(std::string_view jetExpression);

} // namespace platform::db
