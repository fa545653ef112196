// A display that shows a text of its own instead of its value.
#pragma once

#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/cstring.h"

namespace VSTGUI {

class CTextLabel : public CParamDisplay
{
public:
	explicit CTextLabel (const CRect& size, UTF8StringPtr text = nullptr);
	~CTextLabel () noexcept override;

	virtual void setText (const UTF8String& text);
	const UTF8String& getText () const { return text; }

	std::string getDisplayText () override { return text.getString (); }

private:
	UTF8String text;
};

} // namespace VSTGUI
