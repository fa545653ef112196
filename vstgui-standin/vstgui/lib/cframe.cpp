#include "vstgui/lib/cframe.h"

#include "vstgui/lib/platform/iplatformframe.h"
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
	platformFrame = IPlatformFrame::create (parent, type, config);
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
	platformFrame.reset ();
}

int32_t CFrame::getKnobMode () const { return editor ? editor->getKnobMode () : kCircularMode; }

void CFrame::invalidRect (const CRect& rect)
{
	if (platformFrame)
		platformFrame->invalidRect (rect);
}

} // namespace VSTGUI
