// Cuts the bytes received from the unit into messages ended by CR LF. The first byte of a
// message is taken without looking at it (so an empty line starts a message), the CR stays
// at the end of the message and the LF is dropped; messages longer than 999 characters
// lose their oldest characters. Deactivating the capture or closing the port does not
// reset it: a message begun earlier continues with the next bytes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class LineCapture {
public:
    static constexpr size_t kMaxMessageLength = 999;

    std::function<void(const std::string& message)> OnMessage;
    bool Active = false;

    // Bytes received on the port; ignored while the capture is inactive.
    void Feed(std::string_view bytes);

private:
    void take(char byte);

    bool m_collecting = false;
    std::string m_buffer;
    std::string m_window; // the last two bytes received while collecting
};
