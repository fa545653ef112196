#include "vstgui/lib/controls/ccontrol.h"

#include "vstgui/lib/controls/icontrollistener.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

CControl::CControl (const CRect& size, IControlListener* listener, int32_t tag)
: CView (size), listener (listener), tag (tag)
{
}

CControl::~CControl () noexcept = default;

template <typename F>
void CControl::forEachListener (F f)
{
	if (listener)
		f (listener);
	// A registered listener may unregister itself or others while told.
	const auto snapshot = subListeners;
	for (IControlListener* l : snapshot)
	{
		if (std::find (subListeners.begin (), subListeners.end (), l) != subListeners.end ())
			f (l);
	}
}

void CControl::setValue (float val)
{
	if (std::isnan (val))
		return;
	if (val < getMin ())
		val = getMin ();
	else if (val > getMax ())
		val = getMax ();
	value = val;
}

void CControl::setValueNormalized (float normalized)
{
	if (std::isnan (normalized))
		return;
	if (normalized > 1.f)
		normalized = 1.f;
	else if (normalized < 0.f)
		normalized = 0.f;
	setValue (getMin () + normalized * getRange ());
}

void CControl::setDefaultValue (float value)
{
	if (!std::isnan (value))
		defaultValue = value;
}

float CControl::getValueNormalized () const
{
	float range = getRange ();
	if (range == 0.f)
		return 0.f;
	return (getValue () - getMin ()) / range;
}

void CControl::setTag (int32_t value)
{
	forEachListener ([this] (IControlListener* l) { l->controlTagWillChange (this); });
	tag = value;
	forEachListener ([this] (IControlListener* l) { l->controlTagDidChange (this); });
}

void CControl::registerControlListener (IControlListener* value)
{
	if (value && std::find (subListeners.begin (), subListeners.end (), value) == subListeners.end ())
		subListeners.push_back (value);
}

void CControl::unregisterControlListener (IControlListener* value)
{
	auto it = std::find (subListeners.begin (), subListeners.end (), value);
	if (it != subListeners.end ())
		subListeners.erase (it);
}

void CControl::beginEdit ()
{
	if (editing++ == 0)
		forEachListener ([this] (IControlListener* l) { l->controlBeginEdit (this); });
}

void CControl::endEdit ()
{
	if (editing == 0)
		return;
	if (--editing == 0)
		forEachListener ([this] (IControlListener* l) { l->controlEndEdit (this); });
}

void CControl::valueChanged ()
{
	forEachListener ([this] (IControlListener* l) { l->valueChanged (this); });
}

bool CControl::checkDefaultValue (CButtonState buttons)
{
	if (!defaultValueTest (this, buttons))
		return false;
	const float target = getDefaultValue ();
	if (target != getValue ())
	{
		beginEdit ();
		setValue (target);
		valueChanged ();
		endEdit ();
		invalid ();
	}
	return true;
}

bool CControl::isDirty () const { return oldValue != value || CView::isDirty (); }

void CControl::setDirty (bool state)
{
	CView::setDirty (state);
	if (!state)
		oldValue = value;
}

void CControl::notifyIfDirty ()
{
	if (isDirty ())
	{
		valueChanged ();
		invalid ();
	}
}

} // namespace VSTGUI
