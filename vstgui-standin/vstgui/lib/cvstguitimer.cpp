#include "vstgui/lib/cvstguitimer.h"

namespace VSTGUI {

CVSTGUITimer::CVSTGUITimer (const CallbackFunc& callback, uint32_t fireTime, bool doStart)
: callback (callback), fireTime (fireTime)
{
	if (doStart)
		start ();
}

CVSTGUITimer::~CVSTGUITimer () noexcept { stop (); }

bool CVSTGUITimer::start ()
{
	if (running)
		return false;
	if (!platformTimer)
		platformTimer = IPlatformTimer::create (this);
	if (!platformTimer || !platformTimer->start (fireTime))
		return false;
	running = true;
	return true;
}

bool CVSTGUITimer::stop ()
{
	if (!running)
		return false;
	running = false;
	if (platformTimer)
		platformTimer->stop ();
	return true;
}

bool CVSTGUITimer::setFireTime (uint32_t newFireTime)
{
	if (newFireTime == fireTime)
		return true;
	fireTime = newFireTime;
	if (running)
	{
		stop ();
		return start ();
	}
	return true;
}

void CVSTGUITimer::fire ()
{
	if (!running || !callback)
		return;
	remember ();
	struct Release
	{
		CVSTGUITimer* timer;
		~Release () { timer->forget (); }
	} release {this};
	callback (this);
}

} // namespace VSTGUI
