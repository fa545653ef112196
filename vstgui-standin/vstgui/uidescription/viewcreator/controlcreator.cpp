#include "vstgui/uidescription/viewcreator/controlcreator.h"

#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/uidescription/iuidescription.h"
#include "vstgui/uidescription/uiattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

namespace {

void applyFloat (const UIAttributes& attributes, const char* name, CControl& control,
                 void (CControl::*setter) (float))
{
	double value = 0.;
	if (attributes.getDoubleAttribute (name, value))
		(control.*setter) (static_cast<float> (value));
}

} // namespace

bool ControlCreator::apply (CView* view, const UIAttributes& attributes,
                            const IUIDescription* description) const
{
	auto* control = dynamic_cast<CControl*> (view);
	if (!control)
		return false;
	applyFloat (attributes, "min-value", *control, &CControl::setMin);
	applyFloat (attributes, "max-value", *control, &CControl::setMax);
	applyFloat (attributes, "default-value", *control, &CControl::setDefaultValue);
	applyFloat (attributes, "wheel-inc-value", *control, &CControl::setWheelInc);
	const std::string* tagName = attributes.getAttributeValue ("control-tag");
	if (tagName && description)
	{
		int32_t tag = description->getTagForName (tagName->c_str ());
		if (tag != -1)
			control->setListener (description->getControlListener (tagName->c_str ()));
		control->setTag (tag);
	}
	return true;
}

bool ControlCreator::getAttributeNames (StringList& attributeNames) const
{
	for (const char* name : {"control-tag", "default-value", "min-value", "max-value",
	                         "wheel-inc-value"})
		attributeNames.emplace_back (name);
	return true;
}

IViewCreator::AttrType ControlCreator::getAttributeType (const std::string& attributeName) const
{
	if (attributeName == "control-tag")
		return kTagType;
	if (attributeName == "default-value" || attributeName == "min-value" ||
	    attributeName == "max-value" || attributeName == "wheel-inc-value")
		return kFloatType;
	return kUnknownType;
}

bool ControlCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                        std::string& stringValue,
                                        const IUIDescription* description) const
{
	auto* control = dynamic_cast<CControl*> (view);
	if (!control)
		return false;
	if (attributeName == "control-tag")
		return description && control->getTag () != -1 &&
		       description->lookupControlTagName (control->getTag (), stringValue);
	float value;
	if (attributeName == "default-value")
		value = control->getDefaultValue ();
	else if (attributeName == "min-value")
		value = control->getMin ();
	else if (attributeName == "max-value")
		value = control->getMax ();
	else if (attributeName == "wheel-inc-value")
		value = control->getWheelInc ();
	else
		return false;
	stringValue = UIAttributes::doubleToString (value);
	return true;
}

} // namespace UIViewCreator
} // namespace VSTGUI
