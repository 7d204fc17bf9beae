// The error type of failures the windows do not expect (file input and output, a full
// transmit buffer). Its text reaches the user in a message box, as it stands.
#pragma once

#include <stdexcept>
#include <string>

class TVrxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
