#include "framework/data/fields_datetime.h"

#include "core/strutils.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"
#include "core/sysformat.h"

namespace tv {

TDateTimeField::TDateTimeField(TComponent* owner) : TDateTimeField(owner, ftDateTime) {}

TDateTimeField::TDateTimeField(TComponent* owner, TFieldType type) : TField(owner) { SetDataType(type); }

Variant TDateTimeField::Normalize(const Variant& v) const {
    if (v.IsNull() || v.IsEmpty()) return Null();
    TDateTime dt;
    if (v.VarType() == varString) {
        const std::string s = Trim(v.AsString());
        if (s.empty()) return Null();
        bool ok = false;
        switch (DataType()) {
        case ftDate: ok = TryStrToDate(s, dt) || TryStrToDateTime(s, dt); break;
        case ftTime: ok = TryStrToTime(s, dt); break;
        default: ok = TryStrToDateTime(s, dt) || TryStrToDate(s, dt); break;
        }
        if (!ok) DatabaseError(Format(dbconsts::SInvalidDateValue, s, DisplayName()));
    } else {
        try {
            dt = v.AsDateTime();
        } catch (const Exception&) {
            ConvertError("DateTime");
        }
    }
    if (DataType() == ftDate) dt = DateOf(dt);
    if (DataType() == ftTime) dt = TimeOf(dt);
    return Variant(dt);
}

void TDateTimeField::SetAsString(const std::string& s) { SetAsVariant(Variant(s)); }

bool TDateTimeField::IsValidChar(char32_t c) const { return c >= 32; }

std::string TDateTimeField::GetText(bool displayText) const {
    if (IsNull()) return {};
    const TDateTime dt = AsDateTime();
    if (displayText && !DisplayFormat().empty()) return FormatDateTime(DisplayFormat(), dt);
    switch (DataType()) {
    case ftDate: return DateToStr(dt);
    case ftTime: return TimeToStr(dt);
    default: return DateTimeToStr(dt);
    }
}

TDateField::TDateField(TComponent* owner) : TDateTimeField(owner, ftDate) {}
TTimeField::TTimeField(TComponent* owner) : TDateTimeField(owner, ftTime) {}
TSQLTimeStampField::TSQLTimeStampField(TComponent* owner) : TDateTimeField(owner, ftTimeStamp) {}

} // namespace tv
