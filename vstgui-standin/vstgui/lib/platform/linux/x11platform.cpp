#include "vstgui/lib/platform/linux/x11platform.h"

#include <dlfcn.h>

namespace VSTGUI {
namespace X11 {

namespace {

std::string& overridePath ()
{
	static std::string path;
	return path;
}

std::string parentFolder (const std::string& path)
{
	auto slash = path.find_last_of ('/');
	return slash == std::string::npos ? std::string () : path.substr (0, slash);
}

// <bundle>/Contents/<architecture>-linux/<name>.so gives <bundle>/Contents/Resources/.
std::string bundleResourcePath ()
{
	Dl_info info {};
	if (dladdr (reinterpret_cast<void*> (&bundleResourcePath), &info) == 0 || !info.dli_fname)
		return {};
	std::string contents = parentFolder (parentFolder (info.dli_fname));
	if (contents.empty ())
		return {};
	return contents + "/Resources/";
}

} // namespace

std::string Platform::getResourcePath ()
{
	if (!overridePath ().empty ())
		return overridePath ();
	static const std::string bundlePath = bundleResourcePath ();
	return bundlePath;
}

void Platform::setResourcePath (const std::string& path)
{
	overridePath () = path;
	if (!path.empty () && path.back () != '/')
		overridePath () += '/';
}

std::string Platform::resolveResource (const std::string& name)
{
	if (name.empty () || name.find ('/') != std::string::npos)
		return name;
	std::string folder = getResourcePath ();
	return folder.empty () ? std::string () : folder + name;
}

} // namespace X11
} // namespace VSTGUI
