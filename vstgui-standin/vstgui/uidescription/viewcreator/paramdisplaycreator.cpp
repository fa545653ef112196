#include "vstgui/uidescription/viewcreator/paramdisplaycreator.h"

#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/uidescription/uiattributes.h"
#include "vstgui/uidescription/viewcreator/colorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

namespace {

constexpr int32_t kMaxPrecision = 16;

const ColorAttribute<CParamDisplay> kColors[] = {
	{"font-color", &CParamDisplay::getFontColor, &CParamDisplay::setFontColor},
	{"back-color", &CParamDisplay::getBackColor, &CParamDisplay::setBackColor},
	{"frame-color", &CParamDisplay::getFrameColor, &CParamDisplay::setFrameColor},
};

const char* const kFont = "font";
const char* const kTextAlignment = "text-alignment";
const char* const kRoundRectRadius = "round-rect-radius";

const std::string& alignmentName (CHoriTxtAlign align)
{
	static const std::string names[] = {"left", "center", "right"};
	return names[align == kLeftText ? 0 : align == kRightText ? 2 : 1];
}

} // namespace

CView* ParamDisplayCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CParamDisplay (CRect ());
}

bool ParamDisplayCreator::apply (CView* view, const UIAttributes& attributes,
                                 const IUIDescription*) const
{
	auto* display = dynamic_cast<CParamDisplay*> (view);
	if (!display)
		return false;
	int32_t precision = 0;
	if (attributes.getIntegerAttribute ("value-precision", precision) && precision >= 0 &&
	    precision <= kMaxPrecision)
		display->setPrecision (static_cast<uint8_t> (precision));
	CFontDesc font;
	if (attributes.getFontAttribute (kFont, font))
		display->setFont (font);
	applyColorAttributes (*display, attributes, kColors);
	if (const std::string* align = attributes.getAttributeValue (kTextAlignment))
	{
		for (CHoriTxtAlign candidate : {kLeftText, kCenterText, kRightText})
		{
			if (*align == alignmentName (candidate))
				display->setHoriAlign (candidate);
		}
	}
	double radius = 0.;
	if (attributes.getDoubleAttribute (kRoundRectRadius, radius))
		display->setRoundRectRadius (radius);
	return true;
}

bool ParamDisplayCreator::getAttributeNames (StringList& attributeNames) const
{
	attributeNames.emplace_back ("value-precision");
	attributeNames.emplace_back (kFont);
	appendColorAttributeNames (attributeNames, kColors);
	attributeNames.emplace_back (kTextAlignment);
	attributeNames.emplace_back (kRoundRectRadius);
	return true;
}

IViewCreator::AttrType ParamDisplayCreator::getAttributeType (const std::string& attributeName) const
{
	if (attributeName == "value-precision")
		return kIntegerType;
	if (attributeName == kFont)
		return kFontType;
	if (isColorAttribute (attributeName, kColors))
		return kColorType;
	if (attributeName == kTextAlignment)
		return kListType;
	if (attributeName == kRoundRectRadius)
		return kFloatType;
	return kUnknownType;
}

bool ParamDisplayCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                             std::string& stringValue, const IUIDescription*) const
{
	auto* display = dynamic_cast<CParamDisplay*> (view);
	if (!display)
		return false;
	if (attributeName == "value-precision")
		stringValue = std::to_string (display->getPrecision ());
	else if (attributeName == kFont)
		stringValue = UIAttributes::fontToString (display->getFont ());
	else if (attributeName == kTextAlignment)
		stringValue = alignmentName (display->getHoriAlign ());
	else if (attributeName == kRoundRectRadius)
		stringValue = UIAttributes::doubleToString (display->getRoundRectRadius ());
	else
		return readColorAttribute (*display, attributeName, stringValue, kColors);
	return true;
}

bool ParamDisplayCreator::getPossibleListValues (const std::string& attributeName,
                                                 ConstStringPtrList& values) const
{
	if (attributeName != kTextAlignment)
		return false;
	for (CHoriTxtAlign align : {kLeftText, kCenterText, kRightText})
		values.emplace_back (&alignmentName (align));
	return true;
}

bool ParamDisplayCreator::getAttributeValueRange (const std::string& attributeName, double& minValue,
                                                  double& maxValue) const
{
	if (attributeName != "value-precision")
		return false;
	minValue = 0.;
	maxValue = kMaxPrecision;
	return true;
}

} // namespace UIViewCreator
} // namespace VSTGUI
