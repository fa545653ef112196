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

CMouseEventResult CFrame::platformOnMouseDown (CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard (this);
	return onMouseDown (where, buttons);
}

CMouseEventResult CFrame::platformOnMouseMoved (CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard (this);
	return onMouseMoved (where, buttons);
}

CMouseEventResult CFrame::platformOnMouseUp (CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard (this);
	return onMouseUp (where, buttons);
}

bool CFrame::platformOnMouseWheel (const CPoint& where, const CMouseWheelAxis& axis,
                                   const float& distance, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard (this);
	return onWheel (where, axis, distance, buttons);
}

} // namespace VSTGUI
