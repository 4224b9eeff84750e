#pragma once
// ":NAME" parameters of SQL text: the text the server reads ("?" in their
// place) and the names in order of appearance, repeats included. Quoted texts,
// quoted identifiers and comments are left alone.
#include <string>
#include <vector>

#include "framework/data/params.h"
#include "framework/data/sql/fb_statement.h"

namespace tv {

std::string ReplaceNamedParams(const std::string& sql, std::vector<std::string>& names);

// Gives a statement's "?" their values: the parameter named at each place.
// A value goes as its type says, or as the variant's kind when untyped.
void BindParams(fb::FbStatement& stmt, const std::vector<std::string>& order, const TParams& params);
// The same for "?" placeholders taken by position.
void BindParamsByPosition(fb::FbStatement& stmt, const TParams& params);

} // namespace tv
