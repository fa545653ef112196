// UI description files written for a test, and a look through the view trees
// built from them.
#pragma once

#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

namespace VSTGUI {

// The shipped description.
inline std::string shippedDescription () { return DERAZID_RESOURCES_DIR "/plug.uidesc"; }

// Writes the text into a file of the test's temporary folder; gives its path.
inline std::string writeDescription (const std::string& name, const std::string& text)
{
	std::string path = ::testing::TempDir () + name;
	std::ofstream (path, std::ios::binary) << text;
	return path;
}

// A description whose template "view" holds the given views.
inline std::string descriptionWith (const std::string& views)
{
	return "<?xml version=\"1.0\"?>\n<vstgui-ui-description version=\"1\">\n"
	       "<control-tags><control-tag name=\"Level\" tag=\"0\"/><control-tag name=\"Depth\" "
	       "tag=\"2\"/><control-tag name=\"ThruNull\" tag=\"7\"/><control-tag name=\"Bypass\" "
	       "tag=\"8\"/><control-tag name=\"Spare\" tag=\"42\"/></control-tags>\n"
	       "<template name=\"view\" class=\"CViewContainer\" size=\"300, 200\">\n" +
	       views + "\n</template>\n</vstgui-ui-description>\n";
}

// Every view of the tree, depth first, in document order.
inline void forEachView (CView* view, const std::function<void (CView*)>& f)
{
	if (!view)
		return;
	f (view);
	if (CViewContainer* container = view->asViewContainer ())
	{
		for (uint32_t i = 0; i < container->getNbViews (); ++i)
			forEachView (container->getView (i), f);
	}
}

template <typename T>
std::vector<T*> viewsOf (CView* root, int32_t tag)
{
	std::vector<T*> found;
	forEachView (root, [&] (CView* view) {
		auto* typed = dynamic_cast<T*> (view);
		auto* control = dynamic_cast<CControl*> (view);
		if (typed && control && control->getTag () == tag)
			found.push_back (typed);
	});
	return found;
}

} // namespace VSTGUI
