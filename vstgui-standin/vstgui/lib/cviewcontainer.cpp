#include "vstgui/lib/cviewcontainer.h"

#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>

namespace VSTGUI {

CViewContainer::CViewContainer (const CRect& size) : CView (size) {}

CViewContainer::~CViewContainer () noexcept
{
	for (CView* child : children)
		child->forget ();
}

void CViewContainer::beforeDelete ()
{
	removeAll ();
	CView::beforeDelete ();
}

bool CViewContainer::addView (CView* view)
{
	if (!view || view == this || view->getParentView ())
		return false;
	children.push_back (view);
	view->setParentView (this);
	if (isAttached ())
	{
		view->attached (this);
		view->invalid ();
	}
	return true;
}

bool CViewContainer::removeView (CView* view, bool withForget)
{
	auto it = std::find (children.begin (), children.end (), view);
	if (it == children.end ())
		return false;
	children.erase (it);
	if (mouseDownView == view)
		mouseDownView = nullptr;
	if (view->isAttached ())
		view->removed (this);
	view->setParentView (nullptr);
	if (withForget)
		view->forget ();
	return true;
}

void CViewContainer::removeAll (bool withForget)
{
	mouseDownView = nullptr;
	// Taken out first, so that what a deletion sets off never sees a half
	// emptied list.
	std::vector<CView*> leaving;
	leaving.swap (children);
	for (CView* view : leaving)
	{
		if (view->isAttached ())
			view->removed (this);
		view->setParentView (nullptr);
		if (withForget)
			view->forget ();
	}
}

std::vector<SharedPointer<CView>> CViewContainer::snapshot () const
{
	return {children.begin (), children.end ()};
}

CView* CViewContainer::getView (uint32_t index) const
{
	return index < children.size () ? children[index] : nullptr;
}

bool CViewContainer::takesMouseAt (const CView& view, const CPoint& local)
{
	return view.isVisible () && view.getMouseEnabled () && view.getViewSize ().pointInside (local);
}

CView* CViewContainer::getViewAt (const CPoint& where) const
{
	const CPoint local = toLocal (where);
	for (auto it = children.rbegin (); it != children.rend (); ++it)
	{
		CView* view = *it;
		if (!takesMouseAt (*view, local))
			continue;
		if (CViewContainer* container = view->asViewContainer ())
		{
			if (CView* inner = container->getViewAt (local))
				return inner;
		}
		return view;
	}
	return nullptr;
}

CPoint CViewContainer::toLocal (const CPoint& where) const
{
	return CPoint (where).offset (-getViewSize ().left, -getViewSize ().top);
}

CMouseEventResult CViewContainer::onMouseDown (CPoint& where, const CButtonState& buttons)
{
	mouseDownView = nullptr;
	CPoint local = toLocal (where);
	// The topmost view under the pointer that takes the press gets it.
	for (auto it = children.rbegin (); it != children.rend (); ++it)
	{
		CView* view = *it;
		if (!takesMouseAt (*view, local))
			continue;
		SharedPointer<CView> guard (view);
		CPoint point = local;
		CMouseEventResult result = view->onMouseDown (point, buttons);
		if (result == kMouseEventNotHandled)
			continue;
		if (result == kMouseEventHandled && view->getParentView () == this)
			mouseDownView = view;
		return result;
	}
	return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseMoved (CPoint& where, const CButtonState& buttons)
{
	if (!mouseDownView)
		return kMouseEventNotHandled;
	SharedPointer<CView> guard (mouseDownView);
	CPoint local = toLocal (where);
	return mouseDownView->onMouseMoved (local, buttons);
}

CMouseEventResult CViewContainer::onMouseUp (CPoint& where, const CButtonState& buttons)
{
	if (!mouseDownView)
		return kMouseEventNotHandled;
	SharedPointer<CView> view (mouseDownView);
	mouseDownView = nullptr;
	CPoint local = toLocal (where);
	return view->onMouseUp (local, buttons);
}

CMouseEventResult CViewContainer::onMouseCancel ()
{
	if (!mouseDownView)
		return kMouseEventNotHandled;
	SharedPointer<CView> view (mouseDownView);
	mouseDownView = nullptr;
	return view->onMouseCancel ();
}

bool CViewContainer::onWheel (const CPoint& where, const CMouseWheelAxis& axis,
                              const float& distance, const CButtonState& buttons)
{
	const CPoint local = toLocal (where);
	for (auto it = children.rbegin (); it != children.rend (); ++it)
	{
		CView* view = *it;
		if (!takesMouseAt (*view, local))
			continue;
		SharedPointer<CView> guard (view);
		if (view->onWheel (local, axis, distance, buttons))
			return true;
	}
	return false;
}

void CViewContainer::setBackgroundColor (const CColor& color)
{
	if (color == backgroundColor)
		return;
	backgroundColor = color;
	invalidRect (getViewSize ());
}

void CViewContainer::draw (CDrawContext* context)
{
	const CRect& size = getViewSize ();
	if (backgroundColor.isVisible ())
	{
		context->setFillColor (backgroundColor);
		context->drawRect (size, kDrawFilled);
	}
	context->saveGlobalState ();
	context->setClipRect (size);
	context->moveOrigin (size.getTopLeft ());
	const CRect clip = context->getClipRect ();
	for (auto& view : snapshot ())
	{
		if (view->isVisible () && view->getViewSize ().rectOverlap (clip))
			view->draw (context);
	}
	context->restoreGlobalState ();
}

bool CViewContainer::attached (CView* parent)
{
	if (!CView::attached (parent))
		return false;
	for (auto& view : snapshot ())
		view->attached (this);
	return true;
}

bool CViewContainer::removed (CView* parent)
{
	if (!isAttached ())
		return false;
	mouseDownView = nullptr;
	for (auto& view : snapshot ())
		view->removed (this);
	return CView::removed (parent);
}

} // namespace VSTGUI
