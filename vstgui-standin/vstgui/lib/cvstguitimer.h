// A repeating timer on the editor's thread. It holds a reference on itself
// while its callback runs, so the callback may drop the last outside
// reference.
#pragma once

#include "vstgui/lib/platform/iplatformtimer.h"
#include "vstgui/lib/vstguibase.h"

#include <functional>
#include <memory>

namespace VSTGUI {

class CVSTGUITimer : public CBaseObject, private IPlatformTimerCallback
{
public:
	using CallbackFunc = std::function<void (CVSTGUITimer*)>;

	CVSTGUITimer (const CallbackFunc& callback, uint32_t fireTime = 100, bool doStart = true);
	~CVSTGUITimer () noexcept override;

	bool start ();
	bool stop ();
	bool isRunning () const { return running; }

	bool setFireTime (uint32_t newFireTime);
	uint32_t getFireTime () const { return fireTime; }

private:
	void fire () override;

	CallbackFunc callback;
	uint32_t fireTime;
	bool running {false};
	std::unique_ptr<IPlatformTimer> platformTimer;
};

} // namespace VSTGUI
