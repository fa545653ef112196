// Where the module's resources lie: the Resources folder of the bundle whose
// module holds this code, found from the module's own path.
#pragma once

#include <string>

namespace VSTGUI {
namespace X11 {

class Platform
{
public:
	// Ends in a slash; empty when the module's path cannot be found.
	static std::string getResourcePath ();
	// Replaces the bundle's folder (tests); an empty path restores it.
	static void setResourcePath (const std::string& path);
	// The file of a resource: names holding a slash are taken as they are.
	static std::string resolveResource (const std::string& name);
};

} // namespace X11
} // namespace VSTGUI
