// Observers of a view's life: size, attachment, focus and deletion.
#pragma once

#include "vstgui/lib/vstguifwd.h"

namespace VSTGUI {

class IViewListener
{
public:
	virtual ~IViewListener () noexcept = default;

	virtual void viewSizeChanged (CView* view, const CRect& oldSize) = 0;
	virtual void viewAttached (CView* view) = 0;
	virtual void viewRemoved (CView* view) = 0;
	virtual void viewLostFocus (CView* view) = 0;
	virtual void viewTookFocus (CView* view) = 0;
	// The view is about to be deleted; it is still whole during the call.
	virtual void viewWillDelete (CView* view) = 0;
};

// An IViewListener that ignores everything; subclasses pick what they need.
class ViewListenerAdapter : public IViewListener
{
public:
	void viewSizeChanged (CView*, const CRect&) override {}
	void viewAttached (CView*) override {}
	void viewRemoved (CView*) override {}
	void viewLostFocus (CView*) override {}
	void viewTookFocus (CView*) override {}
	void viewWillDelete (CView*) override {}
};

} // namespace VSTGUI
