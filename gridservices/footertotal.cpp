#include "gridservices/footertotal.h"

#include "core/currency.h"
#include "core/exceptions.h"
#include "core/sysformat.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/columntitle.h"

namespace tv {

void AddToFooterTotal(std::int64_t& total, TField* field, TColumnEh* column) {
    if (field->IsNull()) return;
    std::int64_t amount;
    if (ToTenThousandths(field->AsFloat(), amount) && AddTenThousandths(total, amount)) return;
    std::string name = column->Title()->Caption();
    if (name.empty()) name = field->DisplayName();
    throw EOverflow(Format(LoadResString(SFooterTotalOutOfRange), name));
}

} // namespace tv
