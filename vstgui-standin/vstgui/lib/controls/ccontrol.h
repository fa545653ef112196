// A view with a value within a range, a default, a tag and listeners: its own
// listener, told first, and the ones registered on it.
#pragma once

#include "vstgui/lib/cview.h"

#include <vector>

namespace VSTGUI {

// Style bits of sliders and other controls with a direction.
enum CControlStyle : int32_t
{
	kHorizontal = 1 << 0,
	kVertical = 1 << 1,
	kLeft = 1 << 2,
	kRight = 1 << 3,
	kTop = 1 << 4,
	kBottom = 1 << 5,
};

class CControl : public CView
{
public:
	// The key that turns a left click into a reset to the default value, and
	// the one held for fine dragging. Fixed for the module's whole life.
	static const int32_t kDefaultValueModifier;
	static constexpr int32_t kZoomModifier = kShift;

	// Whether a press is the default-value click.
	using DefaultValueTest = bool (*) (CControl* control, const CButtonState& buttons);
	static const DefaultValueTest defaultValueTest;

	CControl (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1);
	~CControl () noexcept override;

	// The value is kept within [getMin, getMax]; NaN is ignored.
	virtual void setValue (float value);
	virtual float getValue () const { return value; }
	virtual void setValueNormalized (float normalized);
	virtual float getValueNormalized () const;

	virtual void setMin (float value) { vmin = value; }
	virtual float getMin () const { return vmin; }
	virtual void setMax (float value) { vmax = value; }
	virtual float getMax () const { return vmax; }
	float getRange () const { return getMax () - getMin (); }

	// NaN is ignored.
	virtual void setDefaultValue (float value);
	virtual float getDefaultValue () const { return defaultValue; }

	virtual void setWheelInc (float value) { wheelInc = value; }
	virtual float getWheelInc () const { return wheelInc; }

	// Tells the listeners before and after.
	virtual void setTag (int32_t value);
	int32_t getTag () const { return tag; }

	virtual void setListener (IControlListener* value) { listener = value; }
	IControlListener* getListener () const { return listener; }
	void registerControlListener (IControlListener* value);
	void unregisterControlListener (IControlListener* value);

	// Edits nest; only the outermost begin and end reach the listeners.
	virtual void beginEdit ();
	virtual void endEdit ();
	bool isEditing () const { return editing > 0; }

	// Tells the own listener, then the registered ones.
	virtual void valueChanged ();

	// True for the default-value click. The control then goes to its default
	// within one edit, telling its listeners, unless it is there already.
	virtual bool checkDefaultValue (CButtonState buttons);

	// True while the value differs from the one at the last invalid (or at
	// construction), or the view was marked dirty.
	bool isDirty () const override;
	void setDirty (bool state = true) override;

protected:
	// After a value change of the control's own: tells the listeners and
	// redraws, but only when the value really moved.
	void notifyIfDirty ();

	float value {0.f};
	float vmin {0.f};
	float vmax {1.f};
	float defaultValue {0.5f};
	float wheelInc {0.1f};
	float oldValue {0.f};

private:
	template <typename F>
	void forEachListener (F f);

	IControlListener* listener;
	int32_t tag;
	int32_t editing {0};
	std::vector<IControlListener*> subListeners;
};

// Whether a press is the click that puts a control back to its default value
// (CControl::defaultValueTest); the control is not consulted.
bool isDefaultValueClick (CControl* control, const CButtonState& buttons);

} // namespace VSTGUI
