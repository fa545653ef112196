#include "vstgui/lib/cview.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/iviewlistener.h"
#include "vstgui/uidescription/icontroller.h"

#include <algorithm>

namespace VSTGUI {

namespace {

// Calls f for every listener of the list as it stands now, skipping those that
// an earlier call has unregistered.
template <typename F>
void forEachListener (const std::vector<IViewListener*>& listeners, F f)
{
	const auto snapshot = listeners;
	for (IViewListener* listener : snapshot)
	{
		if (std::find (listeners.begin (), listeners.end (), listener) != listeners.end ())
			f (listener);
	}
}

} // namespace

CView::CView (const CRect& size) : viewSize (size) {}

CView::~CView () noexcept
{
	// A view deleted without forget (never by the toolkit) still frees its
	// sub-controller.
	delete subController;
}

void CView::beforeDelete ()
{
	forEachListener (viewListeners, [this] (IViewListener* l) { l->viewWillDelete (this); });
	viewListeners.clear ();
	delete subController;
	subController = nullptr;
}

void CView::setViewSize (const CRect& rect)
{
	if (rect == viewSize)
		return;
	const CRect oldSize = viewSize;
	viewSize = rect;
	forEachListener (viewListeners, [&] (IViewListener* l) { l->viewSizeChanged (this, oldSize); });
}

CMouseEventResult CView::onMouseDown (CPoint&, const CButtonState&) { return kMouseEventNotHandled; }
CMouseEventResult CView::onMouseUp (CPoint&, const CButtonState&) { return kMouseEventNotHandled; }
CMouseEventResult CView::onMouseMoved (CPoint&, const CButtonState&) { return kMouseEventNotHandled; }
CMouseEventResult CView::onMouseCancel () { return kMouseEventNotHandled; }

bool CView::onWheel (const CPoint&, const CMouseWheelAxis&, const float&, const CButtonState&)
{
	return false;
}

int32_t CView::onKeyDown (VstKeyCode&) { return -1; }
int32_t CView::onKeyUp (VstKeyCode&) { return -1; }

void CView::draw (CDrawContext*) {}

void CView::invalid ()
{
	setDirty (false);
	invalidRect (viewSize);
}

void CView::invalidRect (const CRect& rect)
{
	// The rectangle is in the parent's coordinates already.
	if (parentView)
		parentView->invalidRect (CRect (rect).offset (parentView->getViewSize ().left,
		                                              parentView->getViewSize ().top));
}

bool CView::attached (CView* parent)
{
	if (attachedToFrame)
		return false;
	parentView = parent;
	parentFrame = parent ? parent->getFrame () : nullptr;
	attachedToFrame = true;
	forEachListener (viewListeners, [this] (IViewListener* l) { l->viewAttached (this); });
	return true;
}

bool CView::removed (CView*)
{
	if (!attachedToFrame)
		return false;
	forEachListener (viewListeners, [this] (IViewListener* l) { l->viewRemoved (this); });
	if (parentFrame && parentFrame->getFocusView () == this)
		parentFrame->setFocusView (nullptr);
	attachedToFrame = false;
	parentFrame = nullptr;
	return true;
}

void CView::registerViewListener (IViewListener* listener)
{
	if (listener && std::find (viewListeners.begin (), viewListeners.end (), listener) ==
	                    viewListeners.end ())
		viewListeners.push_back (listener);
}

void CView::unregisterViewListener (IViewListener* listener)
{
	auto it = std::find (viewListeners.begin (), viewListeners.end (), listener);
	if (it != viewListeners.end ())
		viewListeners.erase (it);
}

void CView::setSubController (IController* controller)
{
	if (controller == subController)
		return;
	delete subController;
	subController = controller;
}

} // namespace VSTGUI
