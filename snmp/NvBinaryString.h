#pragma once
// Octets taken from a hexadecimal text, two digits per octet.
#include <cstdint>
#include <string>
#include <vector>

class NvBinaryString {
public:
    NvBinaryString() = default;
    // length = text length / 2 (a last unpaired digit is ignored); octet i is made
    // of the digits at 2i and 2i + 1, either case; a character that is no
    // hexadecimal digit counts as 0.
    explicit NvBinaryString(const std::string& hexText);

    uint32_t length() const { return static_cast<uint32_t>(m_octets.size()); }
    const uint8_t* data() const { return m_octets.data(); }
    uint8_t at(uint32_t index) const { return m_octets[index]; }
    // The octets as a binary-safe string.
    std::string toOctets() const;

private:
    std::vector<uint8_t> m_octets;
};
