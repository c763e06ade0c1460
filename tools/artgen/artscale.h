#pragma once

namespace orvex::artgen {

// The resolution a picture is drawn for: its layout's own pixels, or twice as many
// each way for screens at scale factor 2.
enum class Scale
{
    Single = 1,
    Double = 2
};

inline constexpr int factor(Scale scale)
{
    return static_cast<int>(scale);
}

} // namespace orvex::artgen
