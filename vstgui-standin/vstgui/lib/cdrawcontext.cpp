#include "vstgui/lib/cdrawcontext.h"

namespace VSTGUI {

CDrawContext::CDrawContext (const CRect& surfaceRect) { state.clip = surfaceRect; }

void CDrawContext::moveOrigin (const CPoint& offset) { state.origin.offset (offset.x, offset.y); }

void CDrawContext::setClipRect (const CRect& rect)
{
	CRect onSurface (rect);
	onSurface.offset (state.origin.x, state.origin.y);
	state.clip.bound (onSurface);
}

CRect CDrawContext::getClipRect () const
{
	CRect clip (state.clip);
	return clip.offset (-state.origin.x, -state.origin.y);
}

void CDrawContext::saveGlobalState () { savedStates.push_back (state); }

void CDrawContext::restoreGlobalState ()
{
	if (savedStates.empty ())
		return;
	state = savedStates.back ();
	savedStates.pop_back ();
}

} // namespace VSTGUI
