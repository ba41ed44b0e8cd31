#pragma once
// The schema's history: step k brings a file from version k - 1 to version k. The file's
// `PRAGMA user_version` is its version; an empty file is version 0.

#include <QSqlDatabase>
#include <vector>

namespace record {

using MigrationStep = bool (*)(QSqlDatabase& db);

// The steps in order; their count is the current version.
const std::vector<MigrationStep>& migrationSteps();
inline int schemaVersion() {
  return static_cast<int>(migrationSteps().size());
}

}  // namespace record
