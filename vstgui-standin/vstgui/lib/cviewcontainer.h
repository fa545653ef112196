// A view holding child views: it owns them, hands mouse events to the one
// under the pointer and keeps sending a gesture's events to the view that
// took its press.
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cview.h"
#include "vstgui/lib/sharedpointer.h"

#include <vector>

namespace VSTGUI {

class CViewContainer : public CView
{
public:
	explicit CViewContainer (const CRect& size);
	~CViewContainer () noexcept override;

	// Takes over the caller's reference.
	bool addView (CView* view);
	// Forgets the view unless told not to, in which case the caller owns it.
	bool removeView (CView* view, bool withForget = true);
	void removeAll (bool withForget = true);

	uint32_t getNbViews () const { return static_cast<uint32_t> (children.size ()); }
	CView* getView (uint32_t index) const;
	// The innermost view at the point, in this container's parent's
	// coordinates, that is visible and takes the mouse; none outside.
	CView* getViewAt (const CPoint& where) const;

	CMouseEventResult onMouseDown (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel () override;
	// The topmost view under the pointer that uses the wheel gets it.
	bool onWheel (const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	              const CButtonState& buttons) override;

	// Fills the background, then draws the visible children that meet the
	// clip, in order, clipped to the container.
	void draw (CDrawContext* context) override;
	void setBackgroundColor (const CColor& color);
	const CColor& getBackgroundColor () const { return backgroundColor; }

	bool attached (CView* parent) override;
	bool removed (CView* parent) override;
	CViewContainer* asViewContainer () override { return this; }

	// The children go first, then the sub-controller.
	void beforeDelete () override;

protected:
	CPoint toLocal (const CPoint& where) const;
	CView* getMouseDownView () const { return mouseDownView; }

private:
	// A child that is visible, takes the mouse and lies at the point.
	static bool takesMouseAt (const CView& view, const CPoint& local);
	// The children held for a pass that may change the list.
	std::vector<SharedPointer<CView>> snapshot () const;

	std::vector<CView*> children;
	CView* mouseDownView {nullptr};
	CColor backgroundColor {kTransparentCColor};
};

} // namespace VSTGUI
