// Controls with known geometry and a listener that reports to a component
// handler what an editor would send the host for the control's tag: begin on
// the outermost edit's start, a perform-edit of the normalized value on every
// value change, end on the edit's end.
#pragma once

#include "recordinghandler.h"

#include "vstgui/lib/controls/csliderbase.h"
#include "vstgui/lib/controls/icontrollistener.h"

#include <functional>

namespace VSTGUI {

class HostForwardingListener : public IControlListener
{
public:
	using Handler = Steinberg::Vst::RecordingHandler;

	void valueChanged (CControl* control) override
	{
		handler.performEdit (idOf (control), control->getValueNormalized ());
		if (onValue)
			onValue (control);
	}
	void controlBeginEdit (CControl* control) override { handler.beginEdit (idOf (control)); }
	void controlEndEdit (CControl* control) override { handler.endEdit (idOf (control)); }

	size_t count (Handler::Kind kind) const
	{
		size_t n = 0;
		for (const auto& edit : handler.edits)
			n += edit.kind == kind ? 1 : 0;
		return n;
	}

	Handler handler;
	std::function<void (CControl*)> onValue;

private:
	static Steinberg::Vst::ParamID idOf (CControl* control)
	{
		return static_cast<Steinberg::Vst::ParamID> (control->getTag ());
	}
};

// A slider with a handle of its own size.
class TestSlider : public CSliderBase
{
public:
	TestSlider (const CRect& size, IControlListener* listener, int32_t style, CCoord handleWidth,
	            CCoord handleHeight)
	: CSliderBase (size, listener, 5, style)
	{
		setHandleSizePrivate (handleWidth, handleHeight);
	}
};

} // namespace VSTGUI
