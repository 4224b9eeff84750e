#pragma once
// Runs an SQL script of the kind isql reads: statements ended by the current
// terminator, "SET TERM" to change it (for procedure bodies), comments, and
// COMMIT lines. Each statement is committed on its own.
#include <string>
#include <vector>

#include "framework/data/sql/fb_database.h"

namespace tv::fb {

// The statements of a script, without comments and terminators.
std::vector<std::string> SplitSqlScript(const std::string& script);

// Runs every statement; a failure raises EFirebirdError naming the statement.
void RunSqlScript(FbDatabase& db, const std::string& script);
void RunSqlScriptFile(FbDatabase& db, const std::string& path);

} // namespace tv::fb
