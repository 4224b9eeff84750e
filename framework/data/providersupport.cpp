#include "framework/data/providersupport.h"

#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"

namespace tv {

void IProviderSupport::PSSetCommandText(const std::string&) { DatabaseError(dbconsts::SNoCommandText); }

void IProviderSupport::PSSetParams(const TParams&) {}

void IProviderSupport::PSExecute() { DatabaseError(dbconsts::SNoCommandText); }

int IProviderSupport::PSExecuteStatement(const std::string&, const TParams&) {
    DatabaseError(dbconsts::SNoSQLResolver);
}

} // namespace tv
