#include "core/frame/framelayout.h"

namespace orvex::framelayout {

ButtonSpans buttonSpans(int width, bool buttonMax, bool buttonMin)
{
    ButtonSpans spans;
    spans.close = {width - 300, width - 105};
    if (buttonMax)
        spans.maximise = {width - 510, width - 330};
    if (buttonMin)
        spans.minimise =
            buttonMax ? ButtonSpan{width - 720, width - 480} : ButtonSpan{width - 510, width - 330};
    return spans;
}

std::optional<CaptionButton> hitButton(const ButtonSpans &spans, double x)
{
    if (spans.close.contains(x))
        return CaptionButton::Close;
    if (spans.minimise.contains(x))
        return CaptionButton::Minimise;
    if (spans.maximise.contains(x))
        return CaptionButton::Maximise;
    return std::nullopt;
}

} // namespace orvex::framelayout
