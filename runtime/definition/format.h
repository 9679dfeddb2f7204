#pragma once
// The fixed bytes of the block layout, shared by the reader and the writer.

#include <array>
#include <cstddef>
#include <cstdint>

#include "runtime/definition/model.h"

namespace rt::definition::format {

constexpr std::uint8_t kSignature[2] = {0xFF, 0xCC};
constexpr std::uint16_t kHeaderWord = 0x0031;
constexpr std::size_t kHighestIdOffset = 4;
constexpr std::size_t kZerosOffset = 53;
constexpr std::size_t kZerosLength = 36;
constexpr std::size_t kRemainingOffset = 89;
constexpr std::size_t kHeaderSize = 93;

// The runtime's control-type id of a window, {33AD4F3A-6699-11CF-B70C-00AA0060D393},
// in stored layout.
constexpr Guid kFormTypeId = {0x3A, 0x4F, 0xAD, 0x33, 0x99, 0x66, 0xCF, 0x11,
                              0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93};

// Ids: the window is 0, the first control 6, each later record one more.
constexpr int kWindowId = 0;
constexpr int kFirstControlId = 6;

// Link bytes between records.
constexpr std::uint8_t kControlsBegin = 0x01;
constexpr std::uint8_t kListEnd = 0x02;       // after the last control
constexpr std::uint8_t kNextMenu = 0x02;      // before every menu record but the first
constexpr std::uint8_t kNextControl = 0x03;
constexpr std::uint8_t kCloseMenu = 0x03;     // closes a submenu, or the menu list
constexpr std::uint8_t kWindowEnd = 0x04;
constexpr std::uint8_t kMenusBegin = 0x05;

constexpr std::uint8_t kRecordEnd = 0xFF;
constexpr std::uint32_t kPictureTag = 0x0000746C;  // "lt\0\0"
constexpr std::uint8_t kHasSubmenuOpcode = 0x07;

// Names are identifiers, as the code refers to them.
constexpr bool is_name_char(std::uint8_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace rt::definition::format
