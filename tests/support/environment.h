#pragma once
// Sets (or, with nullptr, removes) an environment variable for the life of
// the object and puts the old value back afterwards.

#include <cstdlib>
#include <optional>
#include <string>

class TEnvironmentVariable {
public:
    TEnvironmentVariable(const char* Name, const char* Value) : VariableName(Name)
    {
        if (const char* Old = std::getenv(Name)) OldValue = Old;
        if (Value != nullptr)
            setenv(Name, Value, 1);
        else
            unsetenv(Name);
    }
    ~TEnvironmentVariable()
    {
        if (OldValue)
            setenv(VariableName.c_str(), OldValue->c_str(), 1);
        else
            unsetenv(VariableName.c_str());
    }
    TEnvironmentVariable(const TEnvironmentVariable&) = delete;
    TEnvironmentVariable& operator=(const TEnvironmentVariable&) = delete;

private:
    std::string VariableName;
    std::optional<std::string> OldValue;
};
