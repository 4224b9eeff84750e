#include "framework/data/sql/fb_error.h"

#include <iberror.h>
#include <ibase.h>

#include <system_error>
#include <vector>

namespace tv::fb {

namespace {

// One error code of the vector with its arguments, and the vector slice that
// fb_interpret turns into the server's line for it.
struct Entry {
    std::intptr_t code = 0;
    std::vector<std::string> args;
    const std::intptr_t* start = nullptr;
    std::string system; // the operating system's text, for its error codes
};

std::vector<Entry> Parse(const std::intptr_t* v) {
    std::vector<Entry> entries;
    while (v && *v != isc_arg_end) {
        std::intptr_t kind = v[0];
        if (kind == isc_arg_gds) {
            entries.push_back({v[1], {}, v, {}});
            v += 2;
        } else if (kind == isc_arg_interpreted) {
            // The operating system's reason as the server words it (no such file, no permission).
            entries.push_back({0, {}, v, reinterpret_cast<const char*>(v[1])});
            v += 2;
        } else if (kind == isc_arg_string || kind == isc_arg_sql_state) {
            if (kind == isc_arg_string && !entries.empty())
                entries.back().args.emplace_back(reinterpret_cast<const char*>(v[1]));
            v += 2;
        } else if (kind == isc_arg_cstring) {
            if (!entries.empty())
                entries.back().args.emplace_back(reinterpret_cast<const char*>(v[2]), static_cast<size_t>(v[1]));
            v += 3;
        } else if (kind == isc_arg_number) {
            if (!entries.empty())
                entries.back().args.push_back(std::to_string(v[1]));
            v += 2;
        } else if (kind == isc_arg_unix) {
            // The same from the embedded engine, as the system's error number.
            entries.push_back({0, {}, v, std::system_category().message(static_cast<int>(v[1]))});
            v += 2;
        } else {
            v += 2; // other operating-system codes and warnings: one argument each
        }
    }
    return entries;
}

// The server's text of one entry, with its arguments put in.
std::string Interpret(const Entry& e) {
    if (e.code == 0) return e.system;
    // fb_interpret reads one code and its arguments and stops at the next code.
    std::vector<ISC_STATUS> one;
    const std::intptr_t* v = e.start;
    one.push_back(v[0]);
    one.push_back(v[1]);
    v += 2;
    while (*v != isc_arg_end && *v != isc_arg_gds) {
        int n = (*v == isc_arg_cstring) ? 3 : 2;
        for (int i = 0; i < n; ++i)
            one.push_back(v[i]);
        v += n;
    }
    one.push_back(isc_arg_end);
    char buf[1024];
    const ISC_STATUS* p = one.data();
    if (fb_interpret(buf, sizeof buf, &p) <= 0)
        return "Firebird error " + std::to_string(e.code);
    return buf;
}

const Entry* Find(const std::vector<Entry>& entries, std::intptr_t code) {
    for (const Entry& e : entries)
        if (e.code == code)
            return &e;
    return nullptr;
}

std::string Quoted(const std::string& s) {
    std::string q(1, '"');
    q.append(s);
    q += '"';
    return q;
}

// The main line of a failed connection, from its codes, and the code it stands
// for (whose own text is then left out); empty when no known failure matches.
std::string ConnectLine(const std::vector<Entry>& entries, std::intptr_t& replaced) {
    if (const Entry* e = Find(entries, isc_login)) {
        replaced = isc_login;
        return Interpret(*e);
    }
    if (const Entry* e = Find(entries, isc_io_error)) {
        replaced = isc_io_error;
        return "I/O error for file " + Quoted(e->args.size() > 1 ? e->args[1] : std::string());
    }
    if (const Entry* e = Find(entries, isc_network_error)) {
        replaced = isc_network_error;
        // A host that answers but runs no server refuses the connection.
        if (Find(entries, isc_net_connect_err))
            return "Connection failed";
        return "Unable to complete network request to host " +
               Quoted(e->args.empty() ? std::string() : e->args[0]) + ".";
    }
    return {};
}

} // namespace

EFirebirdError MakeError(const std::intptr_t* vector, ErrorSource source) {
    std::vector<Entry> entries = Parse(vector);
    std::intptr_t code = entries.empty() ? 0 : entries.front().code;
    bool lost = false;
    for (std::intptr_t gone : {isc_net_read_err, isc_net_write_err, isc_lost_db_connection, isc_conn_lost,
                               isc_att_shutdown, isc_shutdown})
        lost = lost || Find(entries, gone);

    std::string text;
    std::string main;
    std::intptr_t replaced = 0;
    if (source == ErrorSource::Connect) {
        text = kConnectPrefix;
        main = ConnectLine(entries, replaced);
    } else {
        text = kStatementPrefix;
    }
    if (main.empty()) {
        for (size_t i = 0; i < entries.size(); ++i) {
            if (i)
                text += '\n';
            text.append(Interpret(entries[i]));
        }
    } else {
        text += main;
        for (const Entry& e : entries)
            if (e.code != replaced) {
                text += '\n';
                text.append(Interpret(e));
            }
    }
    if (entries.empty())
        text += "Firebird error";
    return EFirebirdError(std::move(text), code, lost);
}

} // namespace tv::fb
