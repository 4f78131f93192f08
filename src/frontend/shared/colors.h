#pragma once

#include <cstdint>

#include "model/controls/types.h"

namespace reminder::presentation {

// The role of a desktop's colour scheme nearest to each classic system colour, for front
// ends whose system has no such colours of its own.
enum class PaletteRole : std::uint8_t { Base, WindowText, HighlightedText, Button };

[[nodiscard]] PaletteRole paletteRole(SystemColor color);

// The index under which Windows keeps the colour (GetSysColor).
[[nodiscard]] constexpr int systemColorIndex(SystemColor color) {
  return static_cast<int>(color);
}

}  // namespace reminder::presentation
