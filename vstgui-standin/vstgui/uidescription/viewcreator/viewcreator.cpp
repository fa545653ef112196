#include "vstgui/uidescription/viewcreator/viewcreator.h"

#include "vstgui/lib/cview.h"
#include "vstgui/uidescription/uiattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* ViewCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CView (CRect ());
}

bool ViewCreator::apply (CView* view, const UIAttributes& attributes, const IUIDescription*) const
{
	if (!view)
		return false;
	CPoint origin = view->getViewSize ().getTopLeft ();
	CPoint size = view->getViewSize ().getSize ();
	bool placed = attributes.getPointAttribute ("origin", origin);
	placed = attributes.getPointAttribute ("size", size) || placed;
	if (placed && size.x >= 0. && size.y >= 0.)
		view->setViewSize (CRect (origin, size));
	bool mouseEnabled = true;
	if (attributes.getBooleanAttribute ("mouse-enabled", mouseEnabled))
		view->setMouseEnabled (mouseEnabled);
	return true;
}

bool ViewCreator::getAttributeNames (StringList& attributeNames) const
{
	attributeNames.emplace_back ("origin");
	attributeNames.emplace_back ("size");
	attributeNames.emplace_back ("mouse-enabled");
	return true;
}

IViewCreator::AttrType ViewCreator::getAttributeType (const std::string& attributeName) const
{
	if (attributeName == "origin" || attributeName == "size")
		return kPointType;
	if (attributeName == "mouse-enabled")
		return kBooleanType;
	return kUnknownType;
}

bool ViewCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                     std::string& stringValue, const IUIDescription*) const
{
	if (!view)
		return false;
	if (attributeName == "origin")
		stringValue = UIAttributes::pointToString (view->getViewSize ().getTopLeft ());
	else if (attributeName == "size")
		stringValue = UIAttributes::pointToString (view->getViewSize ().getSize ());
	else if (attributeName == "mouse-enabled")
		stringValue = view->getMouseEnabled () ? "true" : "false";
	else
		return false;
	return true;
}

} // namespace UIViewCreator
} // namespace VSTGUI
