#pragma once
// The parsed form of a stored form definition, shared by the reader (which
// parses the text into it) and the writer (which prints it).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/formreader.h"

namespace tv {

struct TFormItem;

struct TFormValue {
    TValueType type = TValueType::vaNull;
    std::int64_t intValue = 0;
    double floatValue = 0;
    std::string text;                // string, identifier, binary bytes
    std::vector<std::string> set;    // set members
    std::vector<TFormValue> list;    // ( ... )
    std::vector<TFormItem> items;    // < item ... end >
    int line = 0;
};

struct TFormProperty {
    std::string name;  // may be dotted: "Font.Name"
    TFormValue value;
    int line = 0;
};

struct TFormItem {
    std::vector<TFormProperty> properties;
    int line = 0;
};

enum class TFormObjectKind { fkObject, fkInherited, fkInline };

struct TFormObject {
    TFormObjectKind kind = TFormObjectKind::fkObject;
    std::string name;
    std::string className;
    int position = -1;  // "[n]" after the class name
    std::vector<TFormProperty> properties;
    std::vector<TFormObject> children;
    int line = 0;
};

// Raises EParserError "<reason> on line N".
TFormObject ParseFormText(std::string_view text);
std::string PrintFormText(const TFormObject& root);
// A value alone, as it would stand after "Name = ".
std::string PrintFormValue(const TFormValue& value);

} // namespace tv
