#pragma once
// TSQLConnection: a connection to a Firebird database as the station's data
// modules configure it: driver names kept as given, and Params as name=value
// pairs read case-insensitively (Database, User_Name, Password, RoleName,
// SQLDialect, WaitOnLocks, Trim Char...). Database "host:/path" goes through
// that host's server; "/path" opens the file with the embedded engine.
// Connections are UTF8, dialect 3, read committed; every statement is
// committed on its own.
#include <functional>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/stringlist.h"
#include "framework/data/sql/fb_database.h"

namespace tv {

class TCustomSQLDataSet;

class TSQLConnection : public TComponent {
    TV_CLASS(TSQLConnection, TComponent)
public:
    explicit TSQLConnection(TComponent* owner = nullptr);
    ~TSQLConnection() override;

    const std::string& DriverName() const { return driverName_; }
    void SetDriverName(const std::string& v) { driverName_ = v; }
    const std::string& GetDriverFunc() const { return getDriverFunc_; }
    void SetGetDriverFunc(const std::string& v) { getDriverFunc_ = v; }
    const std::string& LibraryName() const { return libraryName_; }
    void SetLibraryName(const std::string& v) { libraryName_ = v; }
    const std::string& VendorLib() const { return vendorLib_; }
    void SetVendorLib(const std::string& v) { vendorLib_ = v; }
    const std::string& ConnectionName() const { return connectionName_; }
    void SetConnectionName(const std::string& v) { connectionName_ = v; }
    bool LoginPrompt() const { return loginPrompt_; }
    void SetLoginPrompt(bool v) { loginPrompt_ = v; }
    TStringList& Params() { return params_; }

    bool Connected() const { return db_.Connected(); }
    // Raises EFirebirdError with the driver's connection texts.
    void SetConnected(bool value);
    void Open() { SetConnected(true); }
    // Closes the datasets on the connection first.
    void Close() { SetConnected(false); }

    // Runs a statement without rows; returns the rows it touched.
    int ExecuteDirect(const std::string& sql);
    // Whether CHAR values lose their trailing blanks ("Trim Char", default true).
    bool TrimChar() const;

    std::function<void(TSQLConnection*)> BeforeConnect, AfterConnect, BeforeDisconnect, AfterDisconnect;

    // For the datasets on this connection.
    fb::FbDatabase& Database();
    void RegisterDataSet(TCustomSQLDataSet* ds);
    void UnregisterDataSet(TCustomSQLDataSet* ds);
    const std::vector<TCustomSQLDataSet*>& DataSets() const { return dataSets_; }

private:
    std::string Param(const std::string& name) const;

    std::string driverName_, getDriverFunc_, libraryName_, vendorLib_, connectionName_;
    bool loginPrompt_ = true;
    TStringList params_;
    fb::FbDatabase db_;
    std::vector<TCustomSQLDataSet*> dataSets_;
};

} // namespace tv
