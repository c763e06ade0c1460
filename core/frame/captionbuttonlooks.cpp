#include "core/frame/captionbuttonlooks.h"

namespace orvex {

using framelayout::CaptionButton;

CaptionButtonLooks::Repaint CaptionButtonLooks::moveOver(std::optional<CaptionButton> hit)
{
    if (!hit)
        return apply({Look::Plain, {}, {}});
    const auto lookOf = [&](CaptionButton button) {
        return button == *hit ? Look::Hover : Look::Plain;
    };
    return apply({lookOf(CaptionButton::Close), lookOf(CaptionButton::Minimise),
                  lookOf(CaptionButton::Maximise)});
}

CaptionButtonLooks::Repaint CaptionButtonLooks::press(CaptionButton hit)
{
    if (hit == CaptionButton::Minimise)
        return apply({{}, Look::Plain, {}});
    return {};
}

CaptionButtonLooks::Repaint CaptionButtonLooks::reset()
{
    return apply({Look::Plain, Look::Plain, Look::Plain});
}

CaptionButtonLooks::Repaint CaptionButtonLooks::apply(const Repaint &repaint)
{
    const auto take = [this](CaptionButton button, const std::optional<Look> &look) {
        if (look)
            m_looks[index(button)] = *look;
    };
    take(CaptionButton::Close, repaint.close);
    take(CaptionButton::Minimise, repaint.minimise);
    take(CaptionButton::Maximise, repaint.maximise);
    return repaint;
}

} // namespace orvex
