#include "framework/data/resolver.h"

#include <algorithm>

#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/dataset.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/data/valuecompare.h"

namespace tv {

namespace {

constexpr const char* STooManyRecords = "Update affected more than one record";

bool IsNullish(const Variant& v) { return v.IsNull() || v.IsEmpty(); }

bool Changed(const TField* f) {
    const Variant o = f->OldValue(), n = f->AsVariant();
    if (IsNullish(o) || IsNullish(n)) return IsNullish(o) != IsNullish(n);
    return CompareFieldValues(o, n) != 0;
}

std::vector<TField*> DataFields(TDataSet& ds) {
    std::vector<TField*> out;
    for (TField* f : ds.Fields())
        if (f->FieldKind() == fkData) out.push_back(f);
    return out;
}

std::vector<TField*> KeyFields(TCustomClientDataSet& delta, TDataSet& source) {
    std::vector<TField*> keys;
    for (TField* f : DataFields(delta))
        if (f->ProviderFlags().Contains(pfInKey)) keys.push_back(f);
    if (keys.empty())
        for (const std::string& n : source.PSGetKeyFields())
            if (TField* f = delta.FindField(n)) keys.push_back(f);
    return keys;
}

// The fields that identify the row as it was read.
std::vector<TField*> WhereFields(TCustomClientDataSet& delta, TDataSet& source, TUpdateMode mode) {
    std::vector<TField*> keys = KeyFields(delta, source);
    if (mode == upWhereKeyOnly) {
        if (keys.empty()) DatabaseError(dbconsts::SNoKeyFields);
        return keys;
    }
    std::vector<TField*> out = keys;
    for (TField* f : DataFields(delta)) {
        if (std::find(out.begin(), out.end(), f) != out.end()) continue;
        if (!f->ProviderFlags().Contains(pfInWhere) || f->IsBlob()) continue;
        if (mode == upWhereChanged && !Changed(f)) continue;
        out.push_back(f);
    }
    if (out.empty()) DatabaseError(dbconsts::SNoKeyFields);
    return out;
}

std::string ColumnName(const TField* f, const std::string& quote) {
    std::string name = f->Origin().empty() ? f->FieldName() : f->Origin();
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name = name.substr(dot + 1);
    return quote + name + quote;
}

void AddParam(TParams& params, const TField* f, const Variant& value) {
    TParam& p = params.Add(f->FieldName(), f->DataType());
    p.SetSize(f->Size());
    p.SetValue(IsNullish(value) ? Null() : value);
}

} // namespace

TResolverStatement BuildResolverStatement(TUpdateKind kind, TCustomClientDataSet& delta, TDataSet& source,
                                          TUpdateMode mode, TProviderOptions options) {
    TResolverStatement st;
    const std::string table = source.PSGetTableName();
    if (table.empty()) DatabaseError(dbconsts::SNoTableName);
    const std::string quote = options.Contains(poUseQuoteChar) ? source.PSGetQuoteChar() : std::string();
    const std::string qtable = quote + table + quote;

    auto where = [&] {
        std::string w;
        for (TField* f : WhereFields(delta, source, mode)) {
            if (!w.empty()) w += " AND ";
            const Variant old = f->OldValue();
            if (IsNullish(old)) {
                w += ColumnName(f, quote) + " IS NULL";
            } else {
                w += ColumnName(f, quote) + " = ?";
                AddParam(st.params, f, old);
            }
        }
        return w;
    };

    if (kind == ukInsert) {
        std::string cols, marks;
        for (TField* f : DataFields(delta)) {
            if (!f->ProviderFlags().Contains(pfInUpdate) || f->IsNull()) continue;
            if (!cols.empty()) {
                cols += ", ";
                marks += ", ";
            }
            cols += ColumnName(f, quote);
            marks += "?";
            AddParam(st.params, f, f->AsVariant());
        }
        if (cols.empty()) return st;
        st.sql = "INSERT INTO " + qtable + " (" + cols + ") VALUES (" + marks + ")";
    } else if (kind == ukModify) {
        std::string set;
        for (TField* f : DataFields(delta)) {
            if (!f->ProviderFlags().Contains(pfInUpdate) || !Changed(f)) continue;
            if (!set.empty()) set += ", ";
            set += ColumnName(f, quote) + " = ?";
            AddParam(st.params, f, f->AsVariant());
        }
        if (set.empty()) return st;
        st.sql = "UPDATE " + qtable + " SET " + set + " WHERE " + where();
    } else {
        st.sql = "DELETE FROM " + qtable + " WHERE " + where();
    }
    return st;
}

void ResolveRecord(TUpdateKind kind, TCustomClientDataSet& delta, TDataSet& source, TUpdateMode mode,
                   TProviderOptions options) {
    if (source.PSIsSQLBased()) {
        const TResolverStatement st = BuildResolverStatement(kind, delta, source, mode, options);
        if (st.sql.empty()) return;
        const int affected = source.PSExecuteStatement(st.sql, st.params);
        if (kind != ukInsert && affected == 0) throw EUpdateError(dbconsts::SRecordChanged);
        if (affected > 1 && !options.Contains(poAllowMultiRecordUpdates)) throw EUpdateError(STooManyRecords);
        return;
    }

    if (!source.Active()) source.Open();
    if (kind != ukInsert) {
        const std::vector<TField*> where = WhereFields(delta, source, mode);
        std::string names;
        std::vector<Variant> values;
        for (TField* f : where) {
            if (!names.empty()) names += ";";
            names += f->FieldName();
            values.push_back(f->OldValue());
        }
        const Variant key = values.size() == 1 ? values[0] : VarArrayOf(values);
        if (!source.Locate(names, key, {})) throw EUpdateError(dbconsts::SRecordChanged);
    }
    if (kind == ukDelete) {
        source.Delete();
        return;
    }
    if (kind == ukInsert)
        source.Append();
    else
        source.Edit();
    try {
        for (TField* f : DataFields(delta)) {
            if (!f->ProviderFlags().Contains(pfInUpdate)) continue;
            if (kind == ukModify && !Changed(f)) continue;
            if (kind == ukInsert && f->IsNull()) continue;
            source.FieldByName(f->FieldName())->SetAsVariant(f->AsVariant());
        }
        source.Post();
    } catch (...) {
        source.Cancel();
        throw;
    }
}

} // namespace tv
