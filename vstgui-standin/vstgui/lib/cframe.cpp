#include "vstgui/lib/cframe.h"

#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/platform/iplatformframe.h"
#include "vstgui/lib/sharedpointer.h"
#include "vstgui/lib/vstguieditorinterface.h"

namespace VSTGUI {

CFrame::CFrame (const CRect& size, VSTGUIEditorInterface* editor) : CViewContainer (size), editor (editor)
{
	setFrame (this);
}

CFrame::~CFrame () noexcept = default;

bool CFrame::open (void* parent, PlatformType type, IPlatformFrameConfig* config)
{
	if (platformFrame || !parent)
		return false;
	platformFrame = IPlatformFrame::create (this, getViewSize (), parent, type, config);
	if (!platformFrame)
		return false;
	attached (this);
	return true;
}

void CFrame::close ()
{
	onMouseCancel ();
	removeAll ();
	removed (this);
	setFrame (this);
	// Taken out first: the native frame may still call in while it goes.
	auto leaving = std::move (platformFrame);
	leaving.reset ();
}

int32_t CFrame::getKnobMode () const { return editor ? editor->getKnobMode () : kCircularMode; }

void CFrame::invalidRect (const CRect& rect)
{
	if (platformFrame)
		platformFrame->invalidRect (rect);
}

void CFrame::platformDrawRect (CDrawContext* context, const CRect& rect)
{
	SharedPointer<CFrame> guard (this);
	context->saveGlobalState ();
	context->setClipRect (rect);
	draw (context);
	context->restoreGlobalState ();
}

void CFrame::pointerAt (const CPoint& where)
{
	pointer = where;
	pointerInside = getViewSize ().pointInside (where);
}

void CFrame::focusAt (const CPoint& where)
{
	if (CView* view = getViewAt (where))
		focusView = view;
}

CMouseEventResult CFrame::platformOnMouseDown (CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard (this);
	pointerAt (where);
	const CPoint at = where;
	const CMouseEventResult result = onMouseDown (where, buttons);
	if (result != kMouseEventNotHandled)
		focusAt (at);
	return result;
}

CMouseEventResult CFrame::platformOnMouseMoved (CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard (this);
	pointerAt (where);
	return onMouseMoved (where, buttons);
}

CMouseEventResult CFrame::platformOnMouseUp (CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard (this);
	pointerAt (where);
	return onMouseUp (where, buttons);
}

bool CFrame::platformOnMouseWheel (const CPoint& where, const CMouseWheelAxis& axis,
                                   const float& distance, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard (this);
	pointerAt (where);
	const bool used = onWheel (where, axis, distance, buttons);
	if (used)
		focusAt (where);
	return used;
}

void CFrame::platformOnMouseExited () { pointerInside = false; }

bool CFrame::platformOnKeyDown (VstKeyCode& keyCode) { return onKeyDown (keyCode) == 1; }

bool CFrame::platformOnKeyUp (VstKeyCode& keyCode) { return onKeyUp (keyCode) == 1; }

int32_t CFrame::onKeyDown (VstKeyCode& keyCode) { return dispatchKey (keyCode, &CView::onKeyDown); }

int32_t CFrame::onKeyUp (VstKeyCode& keyCode) { return dispatchKey (keyCode, &CView::onKeyUp); }

int32_t CFrame::dispatchKey (VstKeyCode& keyCode, KeyHandler handler)
{
	SharedPointer<CFrame> guard (this);
	SharedPointer<CView> under (pointerInside ? getViewAt (pointer) : nullptr);
	if (under && (under.get ()->*handler) (keyCode) != -1)
		return 1;
	// Read afresh: the first view's handler may have changed it. A view that
	// no longer takes the mouse takes no keys either.
	SharedPointer<CView> focus (focusView);
	if (focus && focus.get () != under.get () && focus->getMouseEnabled () &&
	    (focus.get ()->*handler) (keyCode) != -1)
		return 1;
	return -1;
}

} // namespace VSTGUI
