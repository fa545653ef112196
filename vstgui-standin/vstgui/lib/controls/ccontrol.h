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
	CControl (const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1);
	~CControl () noexcept override;

	// The value is kept within [getMin, getMax].
	virtual void setValue (float value);
	virtual float getValue () const { return value; }
	virtual void setValueNormalized (float normalized);
	virtual float getValueNormalized () const;

	virtual void setMin (float value) { vmin = value; }
	virtual float getMin () const { return vmin; }
	virtual void setMax (float value) { vmax = value; }
	virtual float getMax () const { return vmax; }
	float getRange () const { return getMax () - getMin (); }

	virtual void setDefaultValue (float value) { defaultValue = value; }
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

	// True while the value differs from the one at the last invalid (or at
	// construction), or the view was marked dirty.
	bool isDirty () const override;
	void setDirty (bool state = true) override;

protected:
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

} // namespace VSTGUI
