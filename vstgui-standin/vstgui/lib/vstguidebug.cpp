#include "vstgui/lib/vstguidebug.h"

namespace VSTGUI {

namespace {
AssertionHandler assertionHandler = nullptr;
}

void setAssertionHandler (AssertionHandler handler) { assertionHandler = handler; }

AssertionHandler getAssertionHandler () { return assertionHandler; }

void doAssert (const char* filename, int line, const char* description)
{
	if (assertionHandler)
		assertionHandler (filename, line, description);
}

} // namespace VSTGUI
