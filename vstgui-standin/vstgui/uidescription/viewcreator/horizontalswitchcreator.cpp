#include "vstgui/uidescription/viewcreator/horizontalswitchcreator.h"

#include "vstgui/lib/controls/chorizontalswitch.h"
#include "vstgui/uidescription/viewcreator/switchcolorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* HorizontalSwitchCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CHorizontalSwitch (CRect ());
}

bool HorizontalSwitchCreator::apply (CView* view, const UIAttributes& attributes,
                        const IUIDescription*) const
{
	auto* control = dynamic_cast<CHorizontalSwitch*> (view);
	if (!control)
		return false;
	CSwitchBase& switchBase = *control;
	applyColorAttributes (switchBase, attributes, switchColorAttributes ());
	return true;
}

bool HorizontalSwitchCreator::getAttributeNames (StringList& attributeNames) const
{
	appendColorAttributeNames (attributeNames, switchColorAttributes ());
	return true;
}

IViewCreator::AttrType HorizontalSwitchCreator::getAttributeType (const std::string& attributeName) const
{
	return isColorAttribute (attributeName, switchColorAttributes ()) ? kColorType : kUnknownType;
}

bool HorizontalSwitchCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                     std::string& stringValue, const IUIDescription*) const
{
	auto* control = dynamic_cast<CHorizontalSwitch*> (view);
	if (!control)
		return false;
	const CSwitchBase& switchBase = *control;
	return readColorAttribute (switchBase, attributeName, stringValue, switchColorAttributes ());
}

} // namespace UIViewCreator
} // namespace VSTGUI
