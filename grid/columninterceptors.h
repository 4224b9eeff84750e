#pragma once
// Read-property interceptors of the grid's columns: a stored width that goes
// to the auto-fit base width, and a column order given by field names.
#include <string>

#include "core/propertyinterceptor.h"
#include "core/variant.h"

namespace tv {

class TColumnEhPropertyInterceptor : public TStoragePropertyInterceptor {
    TV_CLASS(TColumnEhPropertyInterceptor, TStoragePropertyInterceptor)
public:
    static void Publish(TPublisher& p);
    void SetWidth(int w);
};

class TColumnsEhPropertyInterceptor : public TStoragePropertyInterceptor {
    TV_CLASS(TColumnsEhPropertyInterceptor, TStoragePropertyInterceptor)
public:
    static void Publish(TPublisher& p);
    // The field names of the columns, each in double quotes, joined by commas.
    std::string ColumnsIndex() const;
    void SetColumnsIndex(const std::string& v);
    const std::string& LastColumnsIndex() const { return last_; }

private:
    std::string last_;
};

// A variant's text; an array's elements each in single quotes, joined by commas.
std::string VariantToQuotedList(const Variant& v);

} // namespace tv
