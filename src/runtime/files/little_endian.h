#pragma once
// Integers as files and dialog templates store them: least significant byte first.

#include <cstdint>
#include <vector>

namespace runtime {

inline void PutLittleEndian16(std::uint8_t* at, std::uint32_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void PutLittleEndian32(std::uint8_t* at, std::uint32_t v) {
    PutLittleEndian16(at, v);
    PutLittleEndian16(at + 2, v >> 16);
}

inline std::uint16_t GetLittleEndian16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

inline std::uint32_t GetLittleEndian32(const std::uint8_t* at) {
    return GetLittleEndian16(at) | std::uint32_t{GetLittleEndian16(at + 2)} << 16;
}

inline void AppendLittleEndian16(std::vector<std::uint8_t>& bytes, std::uint32_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void AppendLittleEndian32(std::vector<std::uint8_t>& bytes, std::uint32_t v) {
    AppendLittleEndian16(bytes, v);
    AppendLittleEndian16(bytes, v >> 16);
}

}  // namespace runtime
