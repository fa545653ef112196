#include "vstgui/uidescription/viewcreator/viewcontainercreator.h"

#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/uidescription/viewcreator/colorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

namespace {

const ColorAttribute<CViewContainer> kColors[] = {
	{"background-color", &CViewContainer::getBackgroundColor, &CViewContainer::setBackgroundColor},
};

} // namespace

CView* ViewContainerCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CViewContainer (CRect ());
}

bool ViewContainerCreator::apply (CView* view, const UIAttributes& attributes,
                                  const IUIDescription*) const
{
	CViewContainer* container = view ? view->asViewContainer () : nullptr;
	if (!container)
		return false;
	applyColorAttributes (*container, attributes, kColors);
	return true;
}

bool ViewContainerCreator::getAttributeNames (StringList& attributeNames) const
{
	appendColorAttributeNames (attributeNames, kColors);
	return true;
}

IViewCreator::AttrType ViewContainerCreator::getAttributeType (const std::string& attributeName) const
{
	return isColorAttribute (attributeName, kColors) ? kColorType : kUnknownType;
}

bool ViewContainerCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                              std::string& stringValue, const IUIDescription*) const
{
	CViewContainer* container = view ? view->asViewContainer () : nullptr;
	return container && readColorAttribute (*container, attributeName, stringValue, kColors);
}

} // namespace UIViewCreator
} // namespace VSTGUI
