#include "framework/data/sql/sqlquery.h"

namespace tv {

TSQLQuery::TSQLQuery(TComponent* owner) : TCustomSQLDataSet(owner) {
    sql_.OnChange = [this](TObject*) {
        Close();
        CommandChanged();
    };
}

void TSQLQuery::PSSetCommandText(const std::string& text) {
    if (!text.empty())
        sql_.SetText(text);
}

} // namespace tv
