// A control that shows its value as text. The text comes from the
// value-to-string function when one is set and gives one, else from the
// value with the display's precision. It draws an optional rounded
// background and frame, then the text.
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cfont.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <functional>
#include <string>

namespace VSTGUI {

class CParamDisplay : public CControl
{
public:
	using ValueToStringFunction =
	    std::function<bool (float value, std::string& result, CParamDisplay* display)>;

	CParamDisplay (const CRect& size);
	~CParamDisplay () noexcept override;

	void setValueToStringFunction (const ValueToStringFunction& function);
	void setPrecision (uint8_t digits) { precision = digits; }
	uint8_t getPrecision () const { return precision; }

	// The text the display shows for its current value.
	virtual std::string getDisplayText ();

	// Each setter asks for a redraw; an invisible colour leaves its part out.
	void setFont (const CFontDesc& value);
	const CFontDesc& getFont () const { return font; }
	void setFontColor (const CColor& color);
	const CColor& getFontColor () const { return fontColor; }
	void setBackColor (const CColor& color);
	const CColor& getBackColor () const { return backColor; }
	void setFrameColor (const CColor& color);
	const CColor& getFrameColor () const { return frameColor; }
	void setHoriAlign (CHoriTxtAlign align);
	CHoriTxtAlign getHoriAlign () const { return horiAlign; }
	// Radius of the background's and the frame's corners; 0 for square ones.
	void setRoundRectRadius (CCoord radius);
	CCoord getRoundRectRadius () const { return roundRectRadius; }

	void draw (CDrawContext* context) override;

	// Space kept between a left or right aligned text and the edge.
	static constexpr CCoord kTextInset = 4.;

private:
	void styleChanged ();

	ValueToStringFunction valueToString;
	uint8_t precision {2};
	CFontDesc font;
	CColor fontColor {230, 233, 238};
	CColor backColor {kTransparentCColor};
	CColor frameColor {kTransparentCColor};
	CHoriTxtAlign horiAlign {kCenterText};
	CCoord roundRectRadius {0.};
};

} // namespace VSTGUI
