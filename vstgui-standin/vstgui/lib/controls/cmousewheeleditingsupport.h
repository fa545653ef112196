// Editing a control by its wheel increment. A series of wheel ticks is one
// edit: the first tick opens it, and it closes once the ticks pause for
// kEditEndMs, at once when the control is pressed (its press handler calls
// invalidMouseWheelEditTimer), or when the control leaves its frame.
#pragma once

#include "vstgui/lib/cbuttonstate.h"
#include "vstgui/lib/sharedpointer.h"
#include "vstgui/lib/vstguifwd.h"

#include <cstdint>

namespace VSTGUI {

class CMouseWheelEditingSupport
{
public:
	static constexpr uint32_t kEditEndMs = 500;

protected:
	CMouseWheelEditingSupport ();
	~CMouseWheelEditingSupport () noexcept;

	// For each tick, before the value moves: opens the control's edit on the
	// first tick of a series, and starts the wait for the series' end anew.
	void onMouseWheelEditing (CControl* control);
	// Ends a series in progress now.
	void invalidMouseWheelEditTimer (CControl* control);
	bool isMouseWheelEditing () const { return static_cast<bool> (mouseWheelEditTimer); }

	// A wheel tick of distance steps within the series' edit; upward is 1
	// when turning up or right raises the value, else -1.
	void onWheelTick (CControl* control, float distance, float upward, const CButtonState& buttons);
	// Up and right step as the wheel turned up, down and left as turned
	// down, each step in an edit of its own: 1 for these keys, -1 for the
	// others, which are left alone. Their release is taken as well.
	static int32_t onArrowKeyDown (CControl* control, const VstKeyCode& key, float upward);
	static int32_t onArrowKeyUp (const VstKeyCode& key);

private:
	// Moves the control's normalized value by steps of its wheel increment,
	// a tenth as far with the zoom modifier, within its range, and tells the
	// listeners when it moved.
	static void stepValue (CControl* control, float steps, const CButtonState& buttons);
	// 1 for up and right, -1 for down and left, 0 for any other key.
	static float arrowKeySteps (const VstKeyCode& key);
	static CButtonState keyModifiers (const VstKeyCode& key);

	SharedPointer<CVSTGUITimer> mouseWheelEditTimer;
};

} // namespace VSTGUI
