// The error the database engine raises: one message plus the list of errors
// the engine reported underneath it, each with its native code.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace kw {

class EDBEngineError : public std::runtime_error {
public:
    struct SubError {
        int code = 0;
        std::string message;
    };

    EDBEngineError(const std::string& message, std::vector<SubError> errors)
        : std::runtime_error(message), errors_(std::move(errors))
    {
    }

    const std::vector<SubError>& Errors() const { return errors_; }

private:
    std::vector<SubError> errors_;
};

}  // namespace kw
