#include "vstgui/uidescription/viewcreator/verticalswitchcreator.h"

#include "vstgui/lib/controls/cverticalswitch.h"
#include "vstgui/uidescription/viewcreator/switchcolorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* VerticalSwitchCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CVerticalSwitch (CRect ());
}

bool VerticalSwitchCreator::apply (CView* view, const UIAttributes& attributes,
                        const IUIDescription*) const
{
	auto* control = dynamic_cast<CVerticalSwitch*> (view);
	if (!control)
		return false;
	CSwitchBase& switchBase = *control;
	applyColorAttributes (switchBase, attributes, switchColorAttributes ());
	return true;
}

bool VerticalSwitchCreator::getAttributeNames (StringList& attributeNames) const
{
	appendColorAttributeNames (attributeNames, switchColorAttributes ());
	return true;
}

IViewCreator::AttrType VerticalSwitchCreator::getAttributeType (const std::string& attributeName) const
{
	return isColorAttribute (attributeName, switchColorAttributes ()) ? kColorType : kUnknownType;
}

bool VerticalSwitchCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                     std::string& stringValue, const IUIDescription*) const
{
	auto* control = dynamic_cast<CVerticalSwitch*> (view);
	if (!control)
		return false;
	const CSwitchBase& switchBase = *control;
	return readColorAttribute (switchBase, attributeName, stringValue, switchColorAttributes ());
}

} // namespace UIViewCreator
} // namespace VSTGUI
