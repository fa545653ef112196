// What text is drawn with: a font family, a size in pixels and a style. An
// empty family is the platform's plain sans-serif face.
#pragma once

#include "vstgui/lib/vstguifwd.h"

#include <string>

namespace VSTGUI {

enum CTxtFace : int32_t
{
	kNormalFace = 0,
	kBoldFace = 1 << 1,
	kItalicFace = 1 << 2,
};

class CFontDesc
{
public:
	static constexpr CCoord kDefaultSize = 12.;

	CFontDesc () = default;
	CFontDesc (std::string name, CCoord size, int32_t style = kNormalFace)
	: name (std::move (name)), size (size), style (style)
	{
	}

	const std::string& getName () const { return name; }
	CCoord getSize () const { return size; }
	int32_t getStyle () const { return style; }

	bool operator== (const CFontDesc& other) const
	{
		return name == other.name && size == other.size && style == other.style;
	}
	bool operator!= (const CFontDesc& other) const { return !(*this == other); }

private:
	std::string name;
	CCoord size {kDefaultSize};
	int32_t style {kNormalFace};
};

} // namespace VSTGUI
