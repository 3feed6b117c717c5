#pragma once
// Sets or removes an environment variable for one scope, then puts back what was there.
#include <optional>
#include <stdlib.h>
#include <string>

class EnvironmentVariable {
public:
    // A null value removes the variable.
    EnvironmentVariable(std::string name, const char* value) : name_(std::move(name)) {
        if (const char* saved = ::getenv(name_.c_str()))
            saved_ = saved;
        Set(value);
    }
    ~EnvironmentVariable() { Set(saved_ ? saved_->c_str() : nullptr); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    void Set(const char* value) const {
        if (value)
            ::setenv(name_.c_str(), value, 1);
        else
            ::unsetenv(name_.c_str());
    }

    std::string name_;
    std::optional<std::string> saved_;
};
