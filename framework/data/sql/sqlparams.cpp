#include "framework/data/sql/sqlparams.h"

#include <cctype>

#include "framework/data/dberror.h"

namespace tv {

std::string ReplaceNamedParams(const std::string& sql, std::vector<std::string>& names) {
    names.clear();
    std::string out;
    out.reserve(sql.size());
    size_t i = 0, n = sql.size();
    auto isName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; };
    while (i < n) {
        char c = sql[i];
        if (c == '\'' || c == '"') {
            size_t j = i + 1;
            while (j < n && !(sql[j] == c && (j + 1 >= n || sql[j + 1] != c)))
                j += (sql[j] == c) ? 2 : 1;
            out.append(sql, i, std::min(j + 1, n) - i);
            i = j + 1;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            size_t j = sql.find('\n', i);
            j = j == std::string::npos ? n : j;
            out.append(sql, i, j - i);
            i = j;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            size_t j = sql.find("*/", i + 2);
            j = j == std::string::npos ? n : j + 2;
            out.append(sql, i, j - i);
            i = j;
        } else if (c == ':' && i + 1 < n && isName(sql[i + 1]) && !(i > 0 && isName(sql[i - 1]))) {
            size_t j = i + 1;
            while (j < n && isName(sql[j]))
                ++j;
            names.push_back(sql.substr(i + 1, j - i - 1));
            out += '?';
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

namespace {

void BindOne(fb::FbStatement& stmt, int index, const TParam& p) {
    fb::FbParams& fp = stmt.Params();
    const Variant& v = p.Value();
    if (v.IsNull() || v.IsEmpty()) {
        fp.SetNull(index);
        return;
    }
    TFieldType type = p.DataType();
    if (v.IsArray()) {
        fp.SetBytes(index, VarToBytes(v));
        return;
    }
    switch (type) {
    case ftBlob:
    case ftGraphic:
    case ftTypedBinary:
    case ftBytes:
    case ftVarBytes: fp.SetBytes(index, v.AsString()); return;
    case ftDate: fp.SetDate(index, v.AsDateTime()); return;
    case ftTime: fp.SetTime(index, v.AsDateTime()); return;
    case ftDateTime:
    case ftTimeStamp: fp.SetTimestamp(index, v.AsDateTime()); return;
    case ftBCD:
    case ftFMTBcd:
    case ftCurrency:
        if (v.VarType() == varString)
            fp.SetString(index, v.AsString());
        else if (v.VarType() == varCurrency)
            fp.SetInt64(index, v.AsCurrency().Raw(), -4);
        else if (v.VarType() == varDouble)
            fp.SetBcd(index, DoubleToBcd(v.AsDouble()));
        else
            fp.SetInt64(index, v.AsInt64());
        return;
    default: break;
    }
    switch (v.VarType()) {
    case varSmallint:
    case varInteger:
    case varByte:
    case varInt64: fp.SetInt64(index, v.AsInt64()); break;
    case varDouble: fp.SetDouble(index, v.AsDouble()); break;
    case varCurrency: fp.SetInt64(index, v.AsCurrency().Raw(), -4); break;
    case varDate: fp.SetTimestamp(index, v.AsDateTime()); break;
    case varBoolean: fp.SetBoolean(index, v.AsBoolean()); break;
    default: fp.SetString(index, v.AsString()); break;
    }
}

} // namespace

void BindParams(fb::FbStatement& stmt, const std::vector<std::string>& order, const TParams& params) {
    for (size_t i = 0; i < order.size(); ++i)
        BindOne(stmt, static_cast<int>(i), params.ParamByName(order[i]));
}

void BindParamsByPosition(fb::FbStatement& stmt, const TParams& params) {
    for (int i = 0; i < params.Count() && i < stmt.ParamCount(); ++i)
        BindOne(stmt, i, params[i]);
}

} // namespace tv
