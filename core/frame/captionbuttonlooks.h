#pragma once

#include "core/frame/framelayout.h"

#include <array>
#include <optional>

namespace orvex {

// Which look each caption button shows as the pointer moves over the caption
// strip, presses a button or goes back to the body. Each event returns the
// buttons to repaint, each with its look; the others keep what they show.
class CaptionButtonLooks
{
public:
    enum class Look
    {
        Plain,
        Hover
    };
    // The repaints one event asks for; an empty entry leaves that button alone.
    struct Repaint
    {
        std::optional<Look> close;
        std::optional<Look> minimise;
        std::optional<Look> maximise;

        friend bool operator==(const Repaint &, const Repaint &) = default;
    };

    // The pointer moved over the strip. A button under it lights up and the
    // others go plain; over the empty strip only the close button goes plain,
    // so a lit minimise or maximise button stays lit.
    Repaint moveOver(std::optional<framelayout::CaptionButton> hit);
    // A press on a button: the minimise button goes plain as its window goes down.
    Repaint press(framelayout::CaptionButton hit);
    // Every button plain: the pointer went to the body, or the strip was redrawn.
    Repaint reset();

    Look look(framelayout::CaptionButton button) const { return m_looks[index(button)]; }

private:
    static std::size_t index(framelayout::CaptionButton button) { return std::size_t(button); }
    Repaint apply(const Repaint &repaint);

    std::array<Look, 3> m_looks{};
};

} // namespace orvex
