#pragma once
// Reads typed pieces out of a fuzzer's byte string, front to back. Once the
// bytes run out every read gives zero or an empty text, so a target never has
// to check the length itself.
#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte();
    uint32_t number();  // four octets, most significant first
    bool flag() { return byte() & 1; }
    // One of count choices (count > 0).
    size_t choice(size_t count) { return byte() % count; }
    // A text of up to maxLength octets; its length comes first.
    std::string text(size_t maxLength = 255);
    // Everything not read yet.
    std::string rest();
    bool empty() const { return m_pos >= m_size; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};
