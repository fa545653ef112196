// A holder of one reference on a CBaseObject.
#pragma once

#include "vstgui/lib/vstguibase.h"

#include <utility>

namespace VSTGUI {

template <typename T>
class SharedPointer
{
public:
	SharedPointer () noexcept = default;
	// Takes a reference of its own unless told to adopt the caller's.
	SharedPointer (T* object, bool remember = true) noexcept : object (object)
	{
		if (object && remember)
			object->remember ();
	}
	SharedPointer (const SharedPointer& other) noexcept : SharedPointer (other.object) {}
	SharedPointer (SharedPointer&& other) noexcept : object (std::exchange (other.object, nullptr)) {}
	template <typename U>
	SharedPointer (const SharedPointer<U>& other) noexcept : SharedPointer (other.get ())
	{
	}
	~SharedPointer () noexcept { reset (); }

	SharedPointer& operator= (const SharedPointer& other) noexcept
	{
		SharedPointer copy (other);
		std::swap (object, copy.object);
		return *this;
	}
	SharedPointer& operator= (SharedPointer&& other) noexcept
	{
		SharedPointer moved (std::move (other));
		std::swap (object, moved.object);
		return *this;
	}
	SharedPointer& operator= (std::nullptr_t) noexcept
	{
		reset ();
		return *this;
	}

	void reset () noexcept
	{
		if (T* old = std::exchange (object, nullptr))
			old->forget ();
	}

	T* get () const noexcept { return object; }
	T* operator-> () const noexcept { return object; }
	T& operator* () const noexcept { return *object; }
	explicit operator bool () const noexcept { return object != nullptr; }

private:
	T* object {nullptr};
};

template <typename T, typename U>
bool operator== (const SharedPointer<T>& a, const U* b)
{
	return a.get () == b;
}

// Creates an object and hands its one reference to the holder.
template <typename T, typename... Args>
SharedPointer<T> makeOwned (Args&&... args)
{
	return SharedPointer<T> (new T (std::forward<Args> (args)...), false);
}

} // namespace VSTGUI
