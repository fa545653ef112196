// Reports of broken assumptions inside the toolkit. A report never stops the
// program: it goes to the handler the embedding code installed, if any, and
// the caller carries on.
#pragma once

namespace VSTGUI {

using AssertionHandler = void (*) (const char* filename, int line, const char* description);

// None by default; a null handler removes the one installed.
void setAssertionHandler (AssertionHandler handler);
AssertionHandler getAssertionHandler ();

void doAssert (const char* filename, int line, const char* description);

} // namespace VSTGUI
