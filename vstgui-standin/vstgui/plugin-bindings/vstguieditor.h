// An SDK editor view that holds a toolkit frame: it embeds the frame in the
// host's X11 window, brings the host frame's run loop to the toolkit's timers,
// hands the frame the keys the host passes on and, while open, delivers the
// SDK's deferred updates from an idle timer. No exception leaves its
// IPlugView calls.
#pragma once

#include "vstgui/lib/sharedpointer.h"
#include "vstgui/lib/vstguieditorinterface.h"

#include "public.sdk/source/vst/vsteditcontroller.h"

namespace VSTGUI {

class VSTGUIEditor : public Steinberg::Vst::EditorView, public VSTGUIEditorInterface
{
public:
	static constexpr uint32_t kIdleRateMs = 10;

	// Makes sure the SDK's update handler exists before anything registers
	// as a dependent of a parameter.
	explicit VSTGUIEditor (Steinberg::Vst::EditController* controller,
	                       Steinberg::ViewRect* size = nullptr);
	~VSTGUIEditor () override;

	CFrame* getFrame () const { return frame; }

	Steinberg::tresult PLUGIN_API isPlatformTypeSupported (Steinberg::FIDString type) override;
	// Refused for a missing parent or another platform type; a second call
	// moves the editor to the new parent.
	Steinberg::tresult PLUGIN_API attached (void* parent, Steinberg::FIDString type) override;
	Steinberg::tresult PLUGIN_API removed () override;
	// kResultTrue only for a key a view used; the host keeps the others.
	Steinberg::tresult PLUGIN_API onKeyDown (Steinberg::char16 key, Steinberg::int16 keyCode,
	                                         Steinberg::int16 modifiers) override;
	Steinberg::tresult PLUGIN_API onKeyUp (Steinberg::char16 key, Steinberg::int16 keyCode,
	                                       Steinberg::int16 modifiers) override;

	// The host's knob mode.
	int32_t getKnobMode () const override;

protected:
	// Creates the frame with its views in the parent; false leaves nothing.
	virtual bool open (void* parent, PlatformType type, IPlatformFrameConfig* config) = 0;
	// Deletes the views and the frame.
	virtual void close () = 0;
	// Stops the idle timer and closes; the most derived destructor calls it.
	void shutDown ();

	CFrame* frame {nullptr};

private:
	using KeyHandler = int32_t (CFrame::*) (VstKeyCode&);
	Steinberg::tresult passKey (Steinberg::char16 key, Steinberg::int16 keyCode,
	                            Steinberg::int16 modifiers, KeyHandler handler);

	SharedPointer<CVSTGUITimer> idleTimer;
};

} // namespace VSTGUI
