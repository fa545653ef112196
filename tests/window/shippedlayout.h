// Where the shipped description puts its controls, read with the toolkit's
// own reader, so that the window tests follow the layout wherever it moves.
#pragma once

#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/cslider.h"
#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/lib/platform/linux/x11platform.h"
#include "vstgui/lib/sharedpointer.h"
#include "vstgui/uidescription/uidescription.h"

#include <functional>

namespace Steinberg {

// The rectangle, in the editor's coordinates, of the first view that the
// test accepts; empty when there is none.
inline VSTGUI::CRect findShippedView (const std::function<bool (VSTGUI::CView&)>& accept)
{
	using namespace VSTGUI;
	UIDescription description (std::string (DERAZID_RESOURCES_DIR) + "/plug.uidesc");
	if (!description.parse ())
		return {};
	SharedPointer<CView> root (description.createView ("view", nullptr), false);
	CRect found;
	std::function<bool (CView&, CPoint)> walk = [&] (CView& view, CPoint origin) {
		if (accept (view))
		{
			found = view.getViewSize ();
			found.offset (origin.x, origin.y);
			return true;
		}
		if (CViewContainer* container = view.asViewContainer ())
		{
			CPoint inner = origin;
			inner.offset (view.getViewSize ().left, view.getViewSize ().top);
			for (uint32_t i = 0; i < container->getNbViews (); ++i)
			{
				if (walk (*container->getView (i), inner))
					return true;
			}
		}
		return false;
	};
	if (root)
		walk (*root, CPoint ());
	return found;
}

// The control that edits the parameter, not its display.
inline VSTGUI::CRect shippedControlRect (int32_t tag)
{
	return findShippedView ([tag] (VSTGUI::CView& view) {
		auto* control = dynamic_cast<VSTGUI::CControl*> (&view);
		return control && control->getTag () == tag &&
		       !dynamic_cast<VSTGUI::CParamDisplay*> (&view);
	});
}

// Where the shipped slider of the parameter puts its handle for a value, in
// the editor's coordinates, and how far the handle travels.
struct SliderGeometry
{
	VSTGUI::CRect size;
	VSTGUI::CRect handle;
	double travel = 0.;
};

inline SliderGeometry shippedSliderGeometry (int32_t tag, float normValue)
{
	SliderGeometry geometry;
	VSTGUI::CRect own;
	geometry.size = findShippedView ([&] (VSTGUI::CView& view) {
		auto* slider = dynamic_cast<VSTGUI::CSlider*> (&view);
		if (!slider || slider->getTag () != tag)
			return false;
		slider->setValueNormalized (normValue);
		own = slider->getViewSize ();
		geometry.handle = slider->calculateHandleRect (slider->getValueNormalized ());
		geometry.travel = slider->getHandleTravel ();
		return true;
	});
	// The handle comes in the slider's parent's coordinates, as its size does.
	geometry.handle.offset (geometry.size.left - own.left, geometry.size.top - own.top);
	return geometry;
}

inline PixelRect pixelsOf (const VSTGUI::CRect& r)
{
	return {static_cast<int> (r.left), static_cast<int> (r.top), static_cast<int> (r.right),
	        static_cast<int> (r.bottom)};
}

} // namespace Steinberg
