// A colour with 8 bits per channel; alpha 0 is fully transparent, 255 opaque.
#pragma once

#include <cstdint>

namespace VSTGUI {

struct CColor
{
	constexpr CColor () = default;
	constexpr CColor (uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha = 255)
	: red (red), green (green), blue (blue), alpha (alpha)
	{
	}

	// Nothing is drawn in a colour that cannot be seen.
	constexpr bool isVisible () const { return alpha != 0; }

	constexpr bool operator== (const CColor& other) const
	{
		return red == other.red && green == other.green && blue == other.blue &&
		       alpha == other.alpha;
	}
	constexpr bool operator!= (const CColor& other) const { return !(*this == other); }

	uint8_t red {0};
	uint8_t green {0};
	uint8_t blue {0};
	uint8_t alpha {255};
};

constexpr CColor kTransparentCColor {0, 0, 0, 0};
constexpr CColor kBlackCColor {0, 0, 0};
constexpr CColor kWhiteCColor {255, 255, 255};

} // namespace VSTGUI
