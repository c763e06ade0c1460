#pragma once

#include <optional>

// Geometry of the caption strip, the menu strip and the caption buttons, in
// twips. Spans are horizontal positions on the caption strip; a right end of 0
// means the button is absent.
namespace orvex::framelayout {

inline constexpr int titleBarHeight = 300;
inline constexpr int menuBarGap = 100; // between the caption strip and the menu strip
inline constexpr int menuBarLeft = 90;
inline constexpr int menuBarInsets = 170; // left 90 plus right 80
inline constexpr int captionLabelTop = 75;
inline constexpr int buttonTop = 90;
inline constexpr int buttonSize = 195;

struct ButtonSpan
{
    int left = 0;
    int right = 0;

    bool present() const { return right != 0; }
    // Both ends excluded; a span that was never laid out matches nothing.
    bool contains(double x) const { return left < x && x < right; }

    friend bool operator==(const ButtonSpan &, const ButtonSpan &) = default;
};

struct ButtonSpans
{
    ButtonSpan close;
    ButtonSpan minimise;
    ButtonSpan maximise;

    friend bool operator==(const ButtonSpans &, const ButtonSpans &) = default;
};

enum class CaptionButton
{
    Close,
    Minimise,
    Maximise
};

// Spans for a caption strip `width` twips wide. A switched-off button gets an
// empty span, so that it is neither drawn nor hit. Without a maximise button
// the minimise button takes its place.
ButtonSpans buttonSpans(int width, bool buttonMax, bool buttonMin);

// The button under `x`, tested in the order close, minimise, maximise.
std::optional<CaptionButton> hitButton(const ButtonSpans &spans, double x);

} // namespace orvex::framelayout
