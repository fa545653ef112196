// What a UI description asks of the controller that its views are built for:
// listeners and tags for controls, a look at every view it creates, and
// sub-controllers for parts of the view tree.
#pragma once

#include "vstgui/lib/controls/icontrollistener.h"

namespace VSTGUI {

class IController : public IControlListener
{
public:
	virtual int32_t getTagForName (UTF8StringPtr, int32_t registeredTag) const
	{
		return registeredTag;
	}
	virtual IControlListener* getControlListener (UTF8StringPtr) { return this; }
	virtual CView* createView (const UIAttributes&, const IUIDescription*) { return nullptr; }
	// The view to use in place of the one created: the same, another one
	// (carrying a reference for the caller; the one created is then
	// forgotten), or none to drop it.
	virtual CView* verifyView (CView* view, const UIAttributes&, const IUIDescription*)
	{
		return view;
	}
	// A new sub-controller, which the view naming it then owns, or none.
	virtual IController* createSubController (UTF8StringPtr, const IUIDescription*)
	{
		return nullptr;
	}
};

} // namespace VSTGUI
