// The reference-counted base of views, timers and other shared objects: one
// reference at construction, deleted when the last one is forgotten.
#pragma once

#include "vstgui/lib/vstguifwd.h"

namespace VSTGUI {

class CBaseObject
{
public:
	CBaseObject () = default;
	virtual ~CBaseObject () noexcept = default;

	CBaseObject (const CBaseObject&) = delete;
	CBaseObject& operator= (const CBaseObject&) = delete;

	void remember () { ++nbReference; }
	// Runs beforeDelete and deletes the object when this was the last reference.
	void forget ()
	{
		if (--nbReference == 0)
		{
			beforeDelete ();
			delete this;
		}
	}
	int32_t getNbReference () const { return nbReference; }

	// Called while the object is still whole, just before it is deleted.
	virtual void beforeDelete () {}

private:
	int32_t nbReference {1};
};

} // namespace VSTGUI
