#include "vstgui/uidescription/viewcreator/slidercreator.h"

#include "vstgui/lib/controls/cslider.h"
#include "vstgui/uidescription/viewcreator/colorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

namespace {

const ColorAttribute<CSlider> kColors[] = {
	{"back-color", &CSlider::getBackColor, &CSlider::setBackColor},
	{"value-color", &CSlider::getValueColor, &CSlider::setValueColor},
	{"handle-color", &CSlider::getHandleColor, &CSlider::setHandleColor},
	{"frame-color", &CSlider::getFrameColor, &CSlider::setFrameColor},
};

const char* const kHandleSize = "handle-size";

} // namespace

CView* SliderCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CSlider (CRect ());
}

bool SliderCreator::apply (CView* view, const UIAttributes& attributes,
                           const IUIDescription* description) const
{
	auto* slider = dynamic_cast<CSlider*> (view);
	if (!slider || !SliderBaseCreator::apply (view, attributes, description))
		return false;
	CPoint handleSize;
	if (attributes.getPointAttribute (kHandleSize, handleSize))
		slider->setHandleSize (handleSize);
	applyColorAttributes (*slider, attributes, kColors);
	return true;
}

bool SliderCreator::getAttributeNames (StringList& attributeNames) const
{
	SliderBaseCreator::getAttributeNames (attributeNames);
	attributeNames.emplace_back (kHandleSize);
	appendColorAttributeNames (attributeNames, kColors);
	return true;
}

IViewCreator::AttrType SliderCreator::getAttributeType (const std::string& attributeName) const
{
	if (attributeName == kHandleSize)
		return kPointType;
	if (isColorAttribute (attributeName, kColors))
		return kColorType;
	return SliderBaseCreator::getAttributeType (attributeName);
}

bool SliderCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                       std::string& stringValue,
                                       const IUIDescription* description) const
{
	auto* slider = dynamic_cast<CSlider*> (view);
	if (!slider)
		return false;
	if (attributeName == kHandleSize)
	{
		stringValue = UIAttributes::pointToString (slider->getHandleSize ());
		return true;
	}
	if (readColorAttribute (*slider, attributeName, stringValue, kColors))
		return true;
	return SliderBaseCreator::getAttributeValue (view, attributeName, stringValue, description);
}

} // namespace UIViewCreator
} // namespace VSTGUI
