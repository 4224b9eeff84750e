#pragma once
// The words, literals and marks of an SQL or PSQL text, comments dropped: what
// the station needs to tell what a statement does without asking the server,
// and to see a procedure call whose arguments are literals as the same
// statement with "?" in their place.
#include <string>
#include <string_view>
#include <vector>

namespace tv {

struct SqlToken {
    enum Kind { Word, QuotedName, Text, Number, Mark };
    Kind kind = Mark;
    // Word: upper-cased; QuotedName: the name as written; Text: the literal's
    // value, its doubled quotes undone; Number: as written; Mark: the character.
    std::string text;
};

std::vector<SqlToken> TokenizeSql(std::string_view sql);

// "SELECT <columns> FROM <procedure>(<literals>)" becomes the same text with
// "?" for each literal (`shape`) and the literals' values as texts, so that
// the statement prepared once serves every call. False for any other text.
bool ProcedureCallShape(std::string_view sql, std::string& shape, std::vector<std::string>& values);

} // namespace tv
