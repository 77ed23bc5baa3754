#pragma once
#include <stdexcept>

namespace spreadsheet {

// Every failure of this library; the text is the underlying library's message or names the fault.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace spreadsheet
