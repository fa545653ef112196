#include "vstgui/uidescription/viewcreator/paramdisplaycreator.h"

#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/uidescription/uiattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

namespace {
constexpr int32_t kMaxPrecision = 16;
}

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
	return true;
}

bool ParamDisplayCreator::getAttributeNames (StringList& attributeNames) const
{
	attributeNames.emplace_back ("value-precision");
	return true;
}

IViewCreator::AttrType ParamDisplayCreator::getAttributeType (const std::string& attributeName) const
{
	return attributeName == "value-precision" ? kIntegerType : kUnknownType;
}

bool ParamDisplayCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                             std::string& stringValue, const IUIDescription*) const
{
	auto* display = dynamic_cast<CParamDisplay*> (view);
	if (!display || attributeName != "value-precision")
		return false;
	stringValue = std::to_string (display->getPrecision ());
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
