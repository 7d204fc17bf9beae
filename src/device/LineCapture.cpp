#include "LineCapture.h"

void LineCapture::Feed(std::string_view bytes) {
    // The handler may deactivate the capture: the rest of the bytes are then not taken.
    for (size_t i = 0; i < bytes.size() && Active; ++i)
        take(bytes[i]);
}

void LineCapture::take(char byte) {
    if (!m_collecting) {
        m_buffer.assign(1, byte);
        m_window.clear();
        m_collecting = true;
        return;
    }
    m_window += byte;
    if (m_window.size() > 2)
        m_window.erase(0, m_window.size() - 2);
    if (m_window == "\r\n") {
        const std::string message = std::move(m_buffer);
        m_buffer.clear();
        m_window.clear();
        m_collecting = false;
        if (OnMessage)
            OnMessage(message);
        return;
    }
    m_buffer += byte;
    if (m_buffer.size() > kMaxMessageLength)
        m_buffer.erase(0, m_buffer.size() - kMaxMessageLength);
}
