#include "vstgui/uidescription/viewcreator/knobcreator.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/uidescription/viewcreator/colorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

namespace {

const ColorAttribute<CKnob> kColors[] = {
	{"corona-color", &CKnob::getCoronaColor, &CKnob::setCoronaColor},
	{"frame-color", &CKnob::getFrameColor, &CKnob::setFrameColor},
	{"back-color", &CKnob::getBackColor, &CKnob::setBackColor},
	{"handle-color", &CKnob::getHandleColor, &CKnob::setHandleColor},
};

const char* const kHandleLineWidth = "handle-line-width";

} // namespace

CView* KnobCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CKnob (CRect ());
}

bool KnobCreator::apply (CView* view, const UIAttributes& attributes, const IUIDescription*) const
{
	auto* knob = dynamic_cast<CKnob*> (view);
	if (!knob)
		return false;
	applyColorAttributes (*knob, attributes, kColors);
	double width = 0.;
	if (attributes.getDoubleAttribute (kHandleLineWidth, width))
		knob->setHandleLineWidth (width);
	return true;
}

bool KnobCreator::getAttributeNames (StringList& attributeNames) const
{
	appendColorAttributeNames (attributeNames, kColors);
	attributeNames.emplace_back (kHandleLineWidth);
	return true;
}

IViewCreator::AttrType KnobCreator::getAttributeType (const std::string& attributeName) const
{
	if (isColorAttribute (attributeName, kColors))
		return kColorType;
	return attributeName == kHandleLineWidth ? kFloatType : kUnknownType;
}

bool KnobCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                     std::string& stringValue, const IUIDescription*) const
{
	auto* knob = dynamic_cast<CKnob*> (view);
	if (!knob)
		return false;
	if (attributeName == kHandleLineWidth)
	{
		stringValue = UIAttributes::doubleToString (knob->getHandleLineWidth ());
		return true;
	}
	return readColorAttribute (*knob, attributeName, stringValue, kColors);
}

} // namespace UIViewCreator
} // namespace VSTGUI
