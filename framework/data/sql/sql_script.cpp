#include "framework/data/sql/sql_script.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "framework/data/sql/fb_error.h"

namespace tv::fb {

namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Words of a statement, for recognising the script's own commands.
std::vector<std::string> Words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    std::string x;
    while (in >> x)
        w.push_back(x);
    return w;
}

} // namespace

std::vector<std::string> SplitSqlScript(const std::string& script) {
    std::vector<std::string> out;
    std::string term = ";";
    std::string current;
    size_t i = 0, n = script.size();
    auto flush = [&] {
        std::string stmt = Trim(current);
        current.clear();
        if (stmt.empty())
            return;
        std::vector<std::string> w = Words(Upper(stmt));
        if (w.size() >= 3 && w[0] == "SET" && w[1] == "TERM") {
            // "SET TERM ^" ended by the old terminator
            term = Words(stmt)[2];
            return;
        }
        if (!w.empty() && (w[0] == "COMMIT" || (w.size() >= 2 && w[0] == "SET" &&
                                                (w[1] == "SQL" || w[1] == "NAMES" || w[1] == "AUTODDL"))))
            return;
        out.push_back(stmt);
    };
    while (i < n) {
        char c = script[i];
        if (c == '-' && i + 1 < n && script[i + 1] == '-') {
            while (i < n && script[i] != '\n')
                ++i;
            continue;
        }
        if (c == '/' && i + 1 < n && script[i + 1] == '*') {
            size_t end = script.find("*/", i + 2);
            i = end == std::string::npos ? n : end + 2;
            current += ' ';
            continue;
        }
        if (c == '\'' || c == '"') {
            size_t j = i + 1;
            while (j < n) {
                if (script[j] == c) {
                    if (j + 1 < n && script[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            current.append(script, i, std::min(j + 1, n) - i);
            i = j + 1;
            continue;
        }
        if (script.compare(i, term.size(), term) == 0) {
            flush();
            i += term.size();
            continue;
        }
        // "SET TERM x ;" is ended by the terminator in force, whatever x is.
        current += c;
        ++i;
    }
    flush();
    return out;
}

void RunSqlScript(FbDatabase& db, const std::string& script) {
    for (const std::string& stmt : SplitSqlScript(script)) {
        try {
            db.ExecuteImmediate(stmt);
        } catch (const EFirebirdError& e) {
            std::string message = e.Message();
            message.append("\nEn la sentencia: ");
            message.append(stmt, 0, 200);
            throw EFirebirdError(message, e.ErrorCode());
        }
    }
}

void RunSqlScriptFile(FbDatabase& db, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EDatabaseError("No se encontró el archivo " + path);
    std::ostringstream text;
    text << in.rdbuf();
    RunSqlScript(db, text.str());
}

} // namespace tv::fb
