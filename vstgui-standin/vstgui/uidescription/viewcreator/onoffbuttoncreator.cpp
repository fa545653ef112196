#include "vstgui/uidescription/viewcreator/onoffbuttoncreator.h"

#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/uidescription/viewcreator/colorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

namespace {

const ColorAttribute<COnOffButton> kColors[] = {
	{"back-color", &COnOffButton::getBackColor, &COnOffButton::setBackColor},
	{"on-color", &COnOffButton::getOnColor, &COnOffButton::setOnColor},
	{"frame-color", &COnOffButton::getFrameColor, &COnOffButton::setFrameColor},
	{"handle-color", &COnOffButton::getHandleColor, &COnOffButton::setHandleColor},
};

} // namespace

CView* OnOffButtonCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new COnOffButton (CRect ());
}

bool OnOffButtonCreator::apply (CView* view, const UIAttributes& attributes,
                                const IUIDescription*) const
{
	auto* button = dynamic_cast<COnOffButton*> (view);
	if (!button)
		return false;
	applyColorAttributes (*button, attributes, kColors);
	return true;
}

bool OnOffButtonCreator::getAttributeNames (StringList& attributeNames) const
{
	appendColorAttributeNames (attributeNames, kColors);
	return true;
}

IViewCreator::AttrType OnOffButtonCreator::getAttributeType (const std::string& attributeName) const
{
	return isColorAttribute (attributeName, kColors) ? kColorType : kUnknownType;
}

bool OnOffButtonCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                            std::string& stringValue, const IUIDescription*) const
{
	auto* button = dynamic_cast<COnOffButton*> (view);
	return button && readColorAttribute (*button, attributeName, stringValue, kColors);
}

} // namespace UIViewCreator
} // namespace VSTGUI
