#include "vstgui/lib/controls/cmousewheeleditingsupport.h"

#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/cvstguitimer.h"
#include "vstgui/lib/vstkeycode.h"

namespace VSTGUI {

CMouseWheelEditingSupport::CMouseWheelEditingSupport () = default;

CMouseWheelEditingSupport::~CMouseWheelEditingSupport () noexcept
{
	// The timer may outlive the control (it holds itself while it fires):
	// stopped, it never calls into the control again.
	if (mouseWheelEditTimer)
		mouseWheelEditTimer->stop ();
}

void CMouseWheelEditingSupport::onMouseWheelEditing (CControl* control)
{
	if (mouseWheelEditTimer)
	{
		mouseWheelEditTimer->stop ();
		mouseWheelEditTimer->start ();
		return;
	}
	mouseWheelEditTimer = makeOwned<CVSTGUITimer> (
	    [this, control] (CVSTGUITimer*) {
		    // A listener told of the edit's end may drop the control's last
		    // reference.
		    SharedPointer<CControl> alive (control);
		    invalidMouseWheelEditTimer (control);
	    },
	    kEditEndMs, true);
	control->beginEdit ();
}

void CMouseWheelEditingSupport::invalidMouseWheelEditTimer (CControl* control)
{
	if (!mouseWheelEditTimer)
		return;
	mouseWheelEditTimer->stop ();
	mouseWheelEditTimer = nullptr;
	control->endEdit ();
}

void CMouseWheelEditingSupport::onWheelTick (CControl* control, float distance, float upward,
                                             const CButtonState& buttons)
{
	onMouseWheelEditing (control);
	stepValue (control, distance * upward, buttons);
}

int32_t CMouseWheelEditingSupport::onArrowKeyDown (CControl* control, const VstKeyCode& key,
                                                   float upward)
{
	const float steps = arrowKeySteps (key);
	if (steps == 0.f)
		return -1;
	control->beginEdit ();
	stepValue (control, steps * upward, keyModifiers (key));
	control->endEdit ();
	return 1;
}

int32_t CMouseWheelEditingSupport::onArrowKeyUp (const VstKeyCode& key)
{
	return arrowKeySteps (key) != 0.f ? 1 : -1;
}

void CMouseWheelEditingSupport::stepValue (CControl* control, float steps,
                                           const CButtonState& buttons)
{
	float distance = steps * control->getWheelInc ();
	if (buttons & CControl::kZoomModifier)
		distance *= 0.1f;
	control->setValueNormalized (control->getValueNormalized () + distance);
	if (control->isDirty ())
	{
		control->valueChanged ();
		control->invalid ();
	}
}

float CMouseWheelEditingSupport::arrowKeySteps (const VstKeyCode& key)
{
	switch (key.virt)
	{
		case VKEY_UP:
		case VKEY_RIGHT: return 1.f;
		case VKEY_DOWN:
		case VKEY_LEFT: return -1.f;
		default: return 0.f;
	}
}

CButtonState CMouseWheelEditingSupport::keyModifiers (const VstKeyCode& key)
{
	int32_t buttons = 0;
	if (key.modifier & MODIFIER_SHIFT)
		buttons |= kShift;
	if (key.modifier & MODIFIER_ALTERNATE)
		buttons |= kAlt;
	if (key.modifier & MODIFIER_COMMAND)
		buttons |= kControl;
	if (key.modifier & MODIFIER_CONTROL)
		buttons |= kApple;
	return CButtonState (buttons);
}

} // namespace VSTGUI
