#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace reminder {

// Positions and sizes of the window definitions are in twips (1/1440 inch).
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The system colours the windows use, by their classic indices.
enum class SystemColor : std::uint8_t {
  WindowBackground = 5,
  WindowText = 8,
  HighlightText = 14,
  InactiveCaptionText = 19,
};

// Either a fixed RGB colour or a colour from the user's scheme.
struct Color {
  std::optional<SystemColor> system;
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  static constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Color{std::nullopt, r, g, b};
  }
  static constexpr Color fromSystem(SystemColor c) { return Color{c, 0, 0, 0}; }

  friend bool operator==(const Color&, const Color&) = default;
};

struct Font {
  std::string face;
  double points = 8.25;
  bool bold = false;
  int charset = 0;
};

// What changed, so that a view can refresh just that.
enum class Property : std::uint8_t {
  Text,
  Caption,
  Value,
  Checked,
  Enabled,
  Visible,
  Locked,
  Interval,
  WindowState,
  Items,
  Path,
  Selection,
  Attention,  // a window's call for attention, not a value it keeps
};

}  // namespace reminder
