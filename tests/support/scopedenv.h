#pragma once
// An environment variable set for the life of the object, then put back as it was.
#include <string>

namespace tvtest {

class ScopedEnv {
public:
    // An empty or null value unsets the variable.
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::string old_;
    bool had_;
};

} // namespace tvtest
