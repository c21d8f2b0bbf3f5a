#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Design-time values of a window and its controls, as every window of the program is built
// from them. Plain data: the match logic reads names and captions, the views render the rest.
namespace bw::rt {

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
    std::optional<Rgb> colour = {};  // text colour of a label, face colour of a button
    Alignment alignment = Alignment::Left;
    double pointSize;
    bool bold;
    bool underline = false;
    bool transparent = true;  // the window's colour shows through
    // An "&" in the caption marks the access key; otherwise every caption, the ones written
    // in play included, shows literally and is fitted to the control.
    bool accessKey = false;
    // A label that keeps its place but takes the size of its text, whatever the face draws it
    // in; the window widens rather than cut it.
    bool autoSize = false;
};

enum class Frame {
    FixedDialog,  // cannot be resized; no minimise or maximise button
    Sizable,      // resizable, controls keep their places; minimise, no maximise button
};

// The window itself. Its controls come in tab order; labels never take the focus.
struct WindowDesign {
    std::string_view caption;
    int clientWidth, clientHeight;  // twips; below the menu bar if there is one
    std::optional<Rgb> background;  // none: the platform's dialog colour
    Frame frame;
    std::span<const ControlDesign> controls;
};

}  // namespace bw::rt
