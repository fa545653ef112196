// What an edit controller may add to the editor the binding builds for it.
// The editor finds it by a type test on its controller.
#pragma once

#include "vstgui/lib/vstguifwd.h"

#include "pluginterfaces/vst/vsttypes.h"

namespace VSTGUI {

class VST3Editor;

class VST3EditorDelegate
{
public:
	virtual ~VST3EditorDelegate () noexcept = default;

	virtual CView* createCustomView (UTF8StringPtr, const UIAttributes&, const IUIDescription*,
	                                 VST3Editor*)
	{
		return nullptr;
	}
	virtual CView* verifyView (CView* view, const UIAttributes&, const IUIDescription*, VST3Editor*)
	{
		return view;
	}
	virtual bool findParameter (const CPoint&, Steinberg::Vst::ParamID&, VST3Editor*)
	{
		return false;
	}
	virtual bool isPrivateParameter (const Steinberg::Vst::ParamID) { return false; }
	virtual void didOpen (VST3Editor*) {}
	virtual void willClose (VST3Editor*) {}
	// A new sub-controller, which the view naming it then owns, or none.
	virtual IController* createSubController (UTF8StringPtr, const IUIDescription*, VST3Editor*)
	{
		return nullptr;
	}
	virtual COptionMenu* createContextMenu (const CPoint&, VST3Editor*) { return nullptr; }
};

} // namespace VSTGUI
