// What a control tells about itself: value changes, edits and tag changes.
#pragma once

#include "vstgui/lib/cbuttonstate.h"
#include "vstgui/lib/vstguifwd.h"

namespace VSTGUI {

class IControlListener
{
public:
	virtual ~IControlListener () noexcept = default;

	virtual void valueChanged (CControl* control) = 0;
	virtual int32_t controlModifierClicked (CControl*, CButtonState) { return 0; }
	virtual void controlBeginEdit (CControl*) {}
	virtual void controlEndEdit (CControl*) {}
	virtual void controlTagWillChange (CControl*) {}
	virtual void controlTagDidChange (CControl*) {}
};

} // namespace VSTGUI
