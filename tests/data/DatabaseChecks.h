#pragma once

#include "SchemaExpectations.h"

#include <string>
#include <vector>

namespace datatools {
class SqliteConnection;
}

namespace datachecks {

/// Checks of a built database that its readers rely on. Each returns one line per problem found
/// (empty when the database is sound), so that a failing test names every offending table.

/// References whose rows point at no row of the parent table, with the count of such rows.
[[nodiscard]] std::vector<std::string> unresolvedReferences(datatools::SqliteConnection& db,
                                                            const std::vector<Reference>& references);

/// References whose column, or whose parent column, leads no index (nor is the table's rowid), so
/// that a join over them would scan the table.
[[nodiscard]] std::vector<std::string> unindexedReferences(datatools::SqliteConnection& db,
                                                           const std::vector<Reference>& references);

/// Language columns (suffix _D, _F or _E) that are NULL in some row, with the count of such rows.
[[nodiscard]] std::vector<std::string> emptyLanguageColumns(datatools::SqliteConnection& db);

/// Captions of tab_controls (text database) whose German, French or English text is missing or
/// blank, as "form control: column".
[[nodiscard]] std::vector<std::string> captionsWithoutText(datatools::SqliteConnection& db);

/// Keys of tab_controls held by more than one row, compared as the text service compares them
/// (without regard to case).
[[nodiscard]] std::vector<std::string> captionKeysHeldTwice(datatools::SqliteConnection& db);

/// Captions of tab_controls whose languages disagree on the access key: a German caption with one
/// "&" needs one in each language, one without needs none ("&&" stands for the sign itself).
[[nodiscard]] std::vector<std::string> captionsWithUnevenAccessKeys(datatools::SqliteConnection& db);

/// Views whose columns differ from the expected ones, and views of the database not expected.
[[nodiscard]] std::vector<std::string> unexpectedViewColumns(datatools::SqliteConnection& db,
                                                             const std::vector<ViewColumns>& expected);

/// Views that return no row.
[[nodiscard]] std::vector<std::string> emptyViews(datatools::SqliteConnection& db,
                                                  const std::vector<ViewColumns>& expected);

/// Views of the filter database whose rows differ from those of the same view of the materials
/// database, attached to `filter` as `graukant`.
[[nodiscard]] std::vector<std::string> viewsDisagreeingWithMain(datatools::SqliteConnection& filter,
                                                                const std::vector<ViewColumns>& views);

/// Elements whose decimal places (`Anzahl_NK`) are fewer than a stored value of theirs needs, so
/// that the composition lists would cut it; with the value that needs the most.
[[nodiscard]] std::vector<std::string> elementsShortOfDecimals(datatools::SqliteConnection& db);

/// Occurrences of a national material number that are not hidden from the mixed lists (`SupW`)
/// although the same steel has a national symbol in that country.
[[nodiscard]] std::vector<std::string> nationalNumbersNotHidden(datatools::SqliteConnection& db);

/// Designations shown as current (their status has no marker) although every standard that lists
/// them has been superseded (names a successor document).
[[nodiscard]] std::vector<std::string>
designationsOfSupersededStandardsShownCurrent(datatools::SqliteConnection& db);

/// Suppliers of designations of a steel group that deliver no product shape for that group.
[[nodiscard]] std::vector<std::string> suppliersWithoutShapes(datatools::SqliteConnection& db);

/// The names of a table's or view's columns, in order.
[[nodiscard]] std::vector<std::string> columnNames(datatools::SqliteConnection& db,
                                                   const std::string& relation);

} // namespace datachecks
