#include "framework/data/sql/sqlconnection.h"

#include <algorithm>
#include <strings.h>

#include "framework/data/sql/fb_statement.h"
#include "framework/data/sql/sqldataset.h"

namespace tv {

TSQLConnection::TSQLConnection(TComponent* owner) : TComponent(owner) {}

TSQLConnection::~TSQLConnection() {
    try {
        Close();
    } catch (...) {
    }
    for (TCustomSQLDataSet* ds : std::vector<TCustomSQLDataSet*>(dataSets_))
        ds->ConnectionGone();
}

std::string TSQLConnection::Param(const std::string& name) const { return params_.Values(name); }

bool TSQLConnection::TrimChar() const {
    std::string v = Param("Trim Char");
    return v.empty() || strcasecmp(v.c_str(), "True") == 0;
}

void TSQLConnection::SetConnected(bool value) {
    if (value == Connected())
        return;
    if (value) {
        if (BeforeConnect)
            BeforeConnect(this);
        std::string dialect = Param("SQLDialect");
        if (!dialect.empty() && dialect != "3")
            throw EDatabaseError("dbExpress Error: solo se admite el dialecto SQL 3.");
        fb::ConnectOptions options;
        options.user = Param("User_Name");
        options.password = Param("Password");
        options.role = Param("RoleName");
        std::string wait = Param("WaitOnLocks");
        db_.SetWaitOnLocks(wait.empty() || strcasecmp(wait.c_str(), "True") == 0);
        db_.Open(Param("Database"), options);
        if (AfterConnect)
            AfterConnect(this);
    } else {
        if (BeforeDisconnect)
            BeforeDisconnect(this);
        for (TCustomSQLDataSet* ds : std::vector<TCustomSQLDataSet*>(dataSets_))
            ds->Close();
        for (TCustomSQLDataSet* ds : std::vector<TCustomSQLDataSet*>(dataSets_))
            ds->ConnectionClosing();
        db_.Close();
        if (AfterDisconnect)
            AfterDisconnect(this);
    }
}

int TSQLConnection::ExecuteDirect(const std::string& sql) {
    Open();
    fb::FbStatement q(db_);
    q.Prepare(sql);
    return static_cast<int>(q.Execute());
}

fb::FbDatabase& TSQLConnection::Database() {
    if (!Connected())
        Open();
    return db_;
}

void TSQLConnection::RegisterDataSet(TCustomSQLDataSet* ds) {
    if (std::find(dataSets_.begin(), dataSets_.end(), ds) == dataSets_.end())
        dataSets_.push_back(ds);
}

void TSQLConnection::UnregisterDataSet(TCustomSQLDataSet* ds) {
    dataSets_.erase(std::remove(dataSets_.begin(), dataSets_.end(), ds), dataSets_.end());
}

} // namespace tv
