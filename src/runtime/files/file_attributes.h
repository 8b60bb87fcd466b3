#pragma once
// The attribute bits of files and folders, as Windows numbers them (FILE_ATTRIBUTE_*).

#include <cstdint>

namespace runtime {

constexpr std::uint32_t kAttributeReadOnly = 0x01;
constexpr std::uint32_t kAttributeHidden = 0x02;
constexpr std::uint32_t kAttributeSystem = 0x04;
constexpr std::uint32_t kAttributeVolume = 0x08;
constexpr std::uint32_t kAttributeFolder = 0x10;
constexpr std::uint32_t kAttributeArchive = 0x20;

}  // namespace runtime
