// What view creators may ask of the description they build views for.
#pragma once

#include "vstgui/lib/vstguifwd.h"

#include <string>

namespace VSTGUI {

class IUIDescription
{
public:
	virtual ~IUIDescription () noexcept = default;

	// The tag of a control-tag name, as the current controller sees it; -1
	// for a name the description does not list.
	virtual int32_t getTagForName (UTF8StringPtr name) const = 0;
	// The control-tag name the description lists for a tag.
	virtual bool lookupControlTagName (int32_t tag, std::string& name) const = 0;
	// The listener the current controller gives controls with this tag name.
	virtual IControlListener* getControlListener (UTF8StringPtr name) const = 0;
	// The controller views are being built for, if any.
	virtual IController* getController () const = 0;
};

} // namespace VSTGUI
