#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Design-time values of a window's controls. The match logic never reads the layout; the
// views render it.
namespace bw::match {

enum class ControlKind { Label, CommandButton };
enum class Alignment { Left, Centre, Right };

struct Rgb {
    std::uint8_t red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kDarkGreen{0, 64, 0};

// Twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
struct TwipsRect {
    int left, top, width, height;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct ControlDesign {
    std::string name;
    ControlKind kind;
    std::string caption;
    TwipsRect position;
    std::optional<Rgb> colour;  // text colour of a label, face colour of a button
    Alignment alignment;
    double pointSize;
    bool bold;
    bool underline;
    bool transparent;  // the window's colour shows through
};

}  // namespace bw::match
