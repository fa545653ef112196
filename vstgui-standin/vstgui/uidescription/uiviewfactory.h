// Creates views from UI description attributes through the view creator of
// their class, and applies the attributes of every class in the line from the
// root class down to the view's own.
#pragma once

#include "vstgui/lib/vstguifwd.h"

#include <string>
#include <vector>

namespace VSTGUI {

class UIViewFactory
{
public:
	UIViewFactory () = default;

	// A new view (one reference for the caller), or none for a missing or
	// unknown class.
	CView* createView (const UIAttributes& attributes, const IUIDescription* description) const;
	bool applyAttributeValues (CView* view, IdStringPtr className, const UIAttributes& attributes,
	                           const IUIDescription* description) const;

	static const IViewCreator* getViewCreator (const std::string& className);
	// A creator replaces one registered before under the same name.
	static void registerViewCreator (const IViewCreator& viewCreator);
	static void unregisterViewCreator (const IViewCreator& viewCreator);

private:
	// The class's creator and those of its bases, root first.
	static std::vector<const IViewCreator*> creatorLine (const std::string& className);
};

} // namespace VSTGUI
