#include "vstgui/lib/controls/ctextlabel.h"

namespace VSTGUI {

CTextLabel::CTextLabel (const CRect& size, UTF8StringPtr text) : CParamDisplay (size), text (text) {}

CTextLabel::~CTextLabel () noexcept = default;

void CTextLabel::setText (const UTF8String& value)
{
	if (text == value)
		return;
	text = value;
	invalid ();
}

} // namespace VSTGUI
