// Base of the objects handed to the host's run loop. Each is reference
// counted on its own, so that a host still holding one after its owner is
// gone calls nothing; it stays alive through a call that may destroy its
// owner; and no exception reaches the host's run loop.
#pragma once

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/base/smartpointer.h"

#include <atomic>

namespace VSTGUI {
namespace X11 {

template <typename Interface>
class RunLoopHandler : public Interface
{
public:
	virtual ~RunLoopHandler () noexcept = default;

	Steinberg::tresult PLUGIN_API queryInterface (const Steinberg::TUID iid, void** obj) override
	{
		if (!obj)
			return Steinberg::kInvalidArgument;
		if (Steinberg::FUnknownPrivate::iidEqual (iid, Steinberg::FUnknown::iid) ||
		    Steinberg::FUnknownPrivate::iidEqual (iid, Interface::iid))
		{
			addRef ();
			*obj = static_cast<Interface*> (this);
			return Steinberg::kResultOk;
		}
		*obj = nullptr;
		return Steinberg::kNoInterface;
	}
	Steinberg::uint32 PLUGIN_API addRef () override { return ++refCount; }
	Steinberg::uint32 PLUGIN_API release () override
	{
		Steinberg::uint32 count = --refCount;
		if (count == 0)
			delete this;
		return count;
	}

protected:
	template <typename Call>
	void invoke (Call&& call)
	{
		Steinberg::IPtr<RunLoopHandler> self (this);
		try
		{
			call ();
		}
		catch (...)
		{
			// Nothing may reach the host's run loop.
		}
	}

private:
	std::atomic<Steinberg::uint32> refCount {1};
};

} // namespace X11
} // namespace VSTGUI
