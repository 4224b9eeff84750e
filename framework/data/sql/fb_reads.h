#pragma once
// Whether a query only reads, so that it may run in the attachment's kept
// read-only transaction rather than in a read-write one of its own. Told from
// its words and the catalogue: a word that writes (INSERT, UPDATE, WITH LOCK,
// NEXT VALUE FOR, EXECUTE...) or a routine that may write says no. A stored
// procedure is judged by its source and the routines it names in turn;
// functions, packages and procedures that call themselves are taken as
// writing. Whatever cannot be told runs as before, in its own transaction.
#include <string>

namespace tv::fb {

class FbDatabase;

bool StatementOnlyReads(FbDatabase& db, const std::string& sql);

} // namespace tv::fb
