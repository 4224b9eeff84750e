#include "framework/data/sql/fb_reads.h"

#include <set>
#include <vector>

#include "framework/data/sql/fb_database.h"
#include "framework/data/sql/fb_statement.h"
#include "framework/data/sql/sqltokens.h"

namespace tv::fb {

namespace {

bool WritingWord(const SqlToken& t) {
    static const std::set<std::string> words = {
        "INSERT", "UPDATE",   "DELETE", "MERGE",     "EXECUTE", "LOCK",  "GEN_ID",          "NEXT",
        "CREATE", "ALTER",    "DROP",   "RECREATE",  "GRANT",   "REVOKE", "COMMIT",         "ROLLBACK",
        "SAVEPOINT", "RELEASE", "AUTONOMOUS", "POST_EVENT", "RDB$SET_CONTEXT"};
    return t.kind == SqlToken::Word && words.count(t.text) != 0;
}

bool ProcedureReads(FbDatabase& db, const std::string& name, std::set<std::string>& visiting);

bool TokensRead(FbDatabase& db, const std::vector<SqlToken>& tokens, std::set<std::string>& visiting) {
    for (const SqlToken& t : tokens) {
        if (WritingWord(t)) return false;
        if (t.kind != SqlToken::Word && t.kind != SqlToken::QuotedName) continue;
        const auto& routines = db.RoutineNames();
        const auto it = routines.find(t.text);
        if (it == routines.end()) continue;
        // A column or variable named like a routine is taken for it: no harm but a transaction.
        if (it->second != 1 || !ProcedureReads(db, t.text, visiting)) return false;
    }
    return true;
}

bool ProcedureReads(FbDatabase& db, const std::string& name, std::set<std::string>& visiting) {
    if (auto it = db.ProcedureReads().find(name); it != db.ProcedureReads().end()) return it->second;
    if (!visiting.insert(name).second) return false;
    std::string source;
    bool known = false;
    {
        FbStatement q(db);
        q.Prepare("SELECT RDB$PROCEDURE_SOURCE FROM RDB$PROCEDURES "
                  "WHERE RDB$PROCEDURE_NAME = ? AND RDB$PACKAGE_NAME IS NULL AND RDB$ENGINE_NAME IS NULL");
        q.Params().SetString(0, name);
        q.OpenReadOnly();
        if (q.Fetch() && !q.IsNull(0)) {
            source = q.AsBlob(0);
            known = true;
        }
        q.Close();
    }
    const bool reads = known && TokensRead(db, TokenizeSql(source), visiting);
    visiting.erase(name);
    db.ProcedureReads()[name] = reads;
    return reads;
}

} // namespace

bool StatementOnlyReads(FbDatabase& db, const std::string& sql) {
    const std::vector<SqlToken> tokens = TokenizeSql(sql);
    if (tokens.empty() || tokens[0].kind != SqlToken::Word || (tokens[0].text != "SELECT" && tokens[0].text != "WITH"))
        return false;
    std::set<std::string> visiting;
    return TokensRead(db, tokens, visiting);
}

} // namespace tv::fb
