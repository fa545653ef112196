#include "vstgui/uidescription/viewcreator/sliderbasecreator.h"

#include "vstgui/lib/controls/csliderbase.h"
#include "vstgui/uidescription/uiattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

namespace {

const std::string& horizontalName ()
{
	static const std::string name ("horizontal");
	return name;
}

const std::string& verticalName ()
{
	static const std::string name ("vertical");
	return name;
}

int32_t withBits (int32_t style, int32_t set, int32_t cleared) { return (style & ~cleared) | set; }

} // namespace

bool SliderBaseCreator::apply (CView* view, const UIAttributes& attributes,
                               const IUIDescription*) const
{
	auto* slider = dynamic_cast<CSliderBase*> (view);
	if (!slider)
		return false;
	if (const std::string* freeClick = attributes.getAttributeValue ("free-click"))
		slider->setSliderMode (*freeClick == "true" ? SliderMode::FreeClick : SliderMode::Touch);
	if (const std::string* mode = attributes.getAttributeValue ("mode"))
	{
		const SliderModeNames& names = sliderModeNames ();
		for (size_t index = 0; index < names.size (); ++index)
		{
			if (*mode == names[index])
			{
				slider->setSliderMode (static_cast<SliderMode> (index));
				break;
			}
		}
	}
	CPoint offset;
	if (attributes.getPointAttribute ("handle-offset", offset))
		slider->setOffsetHandle (offset);
	double zoomFactor = 0.;
	if (attributes.getDoubleAttribute ("zoom-factor", zoomFactor))
		slider->setZoomFactor (static_cast<float> (zoomFactor));
	if (const std::string* orientation = attributes.getAttributeValue ("orientation"))
	{
		int32_t style = slider->getStyle ();
		if (*orientation == verticalName ())
			style = withBits (style, kVertical, kHorizontal);
		else
			style = withBits (style, kHorizontal, kVertical);
		slider->setStyle (style);
	}
	if (const std::string* reverse = attributes.getAttributeValue ("reverse-orientation"))
	{
		int32_t style = slider->getStyle ();
		bool vertical = (style & kVertical) != 0;
		if (*reverse == "true")
			style = vertical ? withBits (style, kTop, kBottom) : withBits (style, kRight, kLeft);
		else
			style = vertical ? withBits (style, kBottom, kTop) : withBits (style, kLeft, kRight);
		slider->setStyle (style);
	}
	return true;
}

bool SliderBaseCreator::getAttributeNames (StringList& attributeNames) const
{
	for (const char* name :
	     {"mode", "orientation", "reverse-orientation", "handle-offset", "zoom-factor"})
		attributeNames.emplace_back (name);
	return true;
}

IViewCreator::AttrType SliderBaseCreator::getAttributeType (const std::string& attributeName) const
{
	if (attributeName == "mode" || attributeName == "orientation")
		return kListType;
	if (attributeName == "reverse-orientation")
		return kBooleanType;
	if (attributeName == "handle-offset")
		return kPointType;
	if (attributeName == "zoom-factor")
		return kFloatType;
	return kUnknownType;
}

bool SliderBaseCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                           std::string& stringValue, const IUIDescription*) const
{
	auto* slider = dynamic_cast<CSliderBase*> (view);
	if (!slider)
		return false;
	const int32_t style = slider->getStyle ();
	const bool vertical = (style & kVertical) != 0;
	if (attributeName == "mode")
	{
		// The stored mode, which the setter takes unchecked: one without a
		// name reads as nothing.
		const auto index = static_cast<int32_t> (slider->getSliderMode ());
		const SliderModeNames& names = sliderModeNames ();
		if (index < 0 || index >= static_cast<int32_t> (names.size ()))
			return false;
		stringValue = names[static_cast<size_t> (index)];
	}
	else if (attributeName == "handle-offset")
		stringValue = UIAttributes::pointToString (slider->getOffsetHandle ());
	else if (attributeName == "zoom-factor")
		stringValue = UIAttributes::doubleToString (slider->getZoomFactor (), 6);
	else if (attributeName == "orientation")
		stringValue = vertical ? verticalName () : horizontalName ();
	else if (attributeName == "reverse-orientation")
		stringValue = (style & (vertical ? kTop : kRight)) ? "true" : "false";
	else
		return false;
	return true;
}

bool SliderBaseCreator::getPossibleListValues (const std::string& attributeName,
                                               ConstStringPtrList& values) const
{
	if (attributeName == "orientation")
	{
		values.emplace_back (&horizontalName ());
		values.emplace_back (&verticalName ());
		return true;
	}
	if (attributeName == "mode")
	{
		for (const std::string& name : sliderModeNames ())
			values.emplace_back (&name);
		return true;
	}
	return false;
}

} // namespace UIViewCreator
} // namespace VSTGUI
