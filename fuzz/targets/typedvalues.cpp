// Typed values read from text: numbers, currency, decimals and dates under
// the station's and the invariant format settings, each shown again with a
// display format; and typed fields of a client dataset given that text with
// that text as their display and edit formats. The first byte picks the
// settings, the first line after it is the format, the rest the text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/bcd.h"
#include "core/component.h"
#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"
#include "framework/data/fielddefs.h"
#include "framework/data/fields_boolean.h"

namespace {

tv::TFormatSettings Settings(std::uint8_t choice) {
    tv::TFormatSettings fs = choice & 1 ? tv::TFormatSettings::Invariant() : tv::TFormatSettings();
    if (choice & 2) std::swap(fs.DecimalSeparator, fs.ThousandSeparator);
    if (choice & 4) fs.ShortDateFormat = "yyyy-mm-dd";
    if (choice & 8) fs.ShortTimeFormat = fs.LongTimeFormat = "h:nn:ss am/pm";
    if (choice & 16) fs.TwoDigitYearCenturyWindow = 0;
    return fs;
}

tv::TClientDataSet* Fields(tv::TComponent* owner) {
    auto* data = new tv::TClientDataSet(owner);
    data->FieldDefs().Add("ENTERO", tv::ftInteger);
    data->FieldDefs().Add("GRANDE", tv::ftLargeint);
    data->FieldDefs().Add("REAL", tv::ftFloat);
    data->FieldDefs().Add("PRECIO", tv::ftCurrency);
    data->FieldDefs().Add("DECIMAL", tv::ftBCD, 4).SetPrecision(18);
    data->FieldDefs().Add("FMT", tv::ftFMTBcd, 6).SetPrecision(24);
    data->FieldDefs().Add("FECHA", tv::ftDate);
    data->FieldDefs().Add("HORA", tv::ftTime);
    data->FieldDefs().Add("MOMENTO", tv::ftDateTime);
    data->FieldDefs().Add("ACTIVO", tv::ftBoolean);
    data->CreateDataSet();
    return data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const tv::TFormatSettings fs = Settings(data[0]);
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t eol = input.find('\n');
    const std::string format = eol == std::string::npos ? std::string() : input.substr(0, eol);
    const std::string text = eol == std::string::npos ? input : input.substr(eol + 1);
    try {
        double d = 0;
        if (tv::TryStrToFloat(text, d, fs)) {
            tv::FormatFloat(format, d, fs);
            tv::FloatToStr(d, fs);
        }
        tv::Currency c;
        if (tv::TryStrToCurr(text, c, fs)) {
            tv::FormatCurr(format, c, fs);
            // A currency's general form reads back as the same value.
            tv::Currency back;
            const std::string shown = tv::CurrToStr(c, fs);
            if (!tv::TryStrToCurr(shown, back, fs) || !(back == c)) {
                std::fprintf(stderr, "currency %s reads back otherwise\n", shown.c_str());
                std::abort();
            }
        }
        std::int64_t n;
        tv::TryStrToInt64(text, n);
        tv::TBcd b;
        if (tv::TryStrToBcd(text, b, fs)) tv::BcdToStr(b, fs);
        tv::TDateTime dt;
        if (tv::TryStrToDateTime(text, dt, fs)) tv::FormatDateTime(format, dt, fs);
        if (tv::TryStrToDate(text, dt, fs)) tv::DateToStr(dt, fs);
        if (tv::TryStrToTime(text, dt, fs)) tv::TimeToStr(dt, fs);
        tv::FormatDateTime(format, 45000.75, fs);
        tv::FormatFloat(format, -1234567.891, fs);
    } catch (const tv::Exception&) {
    }

    static tv::TComponent owner(nullptr);
    static tv::TClientDataSet* fields = Fields(&owner);
    tv::TFormatSettings saved = tv::FormatSettings;
    tv::FormatSettings = fs;
    try {
        fields->Append();
        for (int i = 0; i < fields->FieldCount(); ++i) {
            tv::TField* f = fields->Fields()[i];
            if (auto* flag = dynamic_cast<tv::TBooleanField*>(f)) {
                try {
                    flag->SetDisplayValues(format);
                } catch (const tv::Exception&) {
                }
            } else {
                f->SetDisplayFormat(format);
                f->SetEditFormat(format);
            }
            try {
                f->SetText(text);
            } catch (const tv::Exception&) {
            }
            f->DisplayText();
            f->Text();
        }
        fields->Cancel();
    } catch (const tv::Exception&) {
        fields->Cancel();
    }
    tv::FormatSettings = saved;
    return 0;
}
