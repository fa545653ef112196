#include "vstgui/plugin-bindings/vstguieditor.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/cvstguitimer.h"
#include "vstgui/lib/platform/linux/x11frameconfig.h"
#include "vstgui/lib/vstkeycode.h"

#include "base/source/updatehandler.h"
#include "pluginterfaces/gui/iplugview.h"

#include <cstring>

namespace VSTGUI {

using namespace Steinberg;

VSTGUIEditor::VSTGUIEditor (Vst::EditController* controller, ViewRect* size)
: EditorView (controller, size)
{
	UpdateHandler::instance ();
}

VSTGUIEditor::~VSTGUIEditor ()
{
	if (idleTimer)
		idleTimer->stop ();
}

tresult PLUGIN_API VSTGUIEditor::isPlatformTypeSupported (FIDString type)
{
	return type && std::strcmp (type, kPlatformTypeX11EmbedWindowID) == 0 ? kResultTrue
	                                                                        : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::attached (void* parent, FIDString type)
{
	try
	{
		if (!parent || isPlatformTypeSupported (type) != kResultTrue)
			return kResultFalse;
		if (frame)
			removed ();
		X11::FrameConfig config;
		if (plugFrame)
		{
			FUnknownPtr<Linux::IRunLoop> runLoop (plugFrame);
			config.runLoop = runLoop.getInterface ();
		}
		if (!open (parent, PlatformType::kX11EmbedWindowID, &config))
			return kResultFalse;
		idleTimer = makeOwned<CVSTGUITimer> (
		    [] (CVSTGUITimer*) {
			    if (UpdateHandler* handler = UpdateHandler::instance (false))
				    handler->triggerDeferedUpdates ();
		    },
		    kIdleRateMs, true);
		return EditorView::attached (parent, type);
	}
	catch (...)
	{
		try
		{
			shutDown ();
		}
		catch (...)
		{
		}
		return kResultFalse;
	}
}

tresult PLUGIN_API VSTGUIEditor::removed ()
{
	try
	{
		if (!frame)
			return kResultFalse;
		shutDown ();
		return EditorView::removed ();
	}
	catch (...)
	{
		return kResultFalse;
	}
}

void VSTGUIEditor::shutDown ()
{
	if (idleTimer)
		idleTimer->stop ();
	idleTimer = nullptr;
	if (frame)
		close ();
}

tresult PLUGIN_API VSTGUIEditor::onKeyDown (char16 key, int16 keyCode, int16 modifiers)
{
	return passKey (key, keyCode, modifiers, &CFrame::onKeyDown);
}

tresult PLUGIN_API VSTGUIEditor::onKeyUp (char16 key, int16 keyCode, int16 modifiers)
{
	return passKey (key, keyCode, modifiers, &CFrame::onKeyUp);
}

tresult VSTGUIEditor::passKey (char16 key, int16 keyCode, int16 modifiers, KeyHandler handler)
{
	// The host's virtual key codes and modifier bits are the toolkit's.
	if (!frame || keyCode < 0 || keyCode > UINT8_MAX)
		return kResultFalse;
	try
	{
		VstKeyCode code;
		code.character = key;
		code.virt = static_cast<uint8_t> (keyCode);
		code.modifier = static_cast<uint8_t> (modifiers);
		SharedPointer<CFrame> guard (frame);
		return (frame->*handler) (code) == 1 ? kResultTrue : kResultFalse;
	}
	catch (...)
	{
		return kResultFalse;
	}
}

int32_t VSTGUIEditor::getKnobMode () const
{
	switch (Vst::EditController::getHostKnobMode ())
	{
		case Vst::kLinearMode: return kLinearMode;
		case Vst::kRelativCircularMode: return kRelativCircularMode;
		default: return kCircularMode;
	}
}

} // namespace VSTGUI
