// What the creators of both switches share: the new view and its colours.
// Each creator still accepts only views of its own switch class.
#pragma once

#include "vstgui/uidescription/iviewcreator.h"
#include "vstgui/uidescription/viewcreator/switchcolorattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

template <typename Switch>
class SwitchCreatorBase : public ViewCreatorAdapter
{
public:
	IdStringPtr getBaseViewName () const override { return "CControl"; }

	CView* create (const UIAttributes&, const IUIDescription*) const override
	{
		return new Switch (CRect ());
	}

	bool apply (CView* view, const UIAttributes& attributes, const IUIDescription*) const override
	{
		auto* control = dynamic_cast<Switch*> (view);
		if (!control)
			return false;
		CSwitchBase& switchBase = *control;
		applyColorAttributes (switchBase, attributes, switchColorAttributes ());
		return true;
	}

	bool getAttributeNames (StringList& attributeNames) const override
	{
		appendColorAttributeNames (attributeNames, switchColorAttributes ());
		return true;
	}

	AttrType getAttributeType (const std::string& attributeName) const override
	{
		return isColorAttribute (attributeName, switchColorAttributes ()) ? kColorType
		                                                                    : kUnknownType;
	}

	bool getAttributeValue (CView* view, const std::string& attributeName, std::string& stringValue,
	                        const IUIDescription*) const override
	{
		auto* control = dynamic_cast<Switch*> (view);
		if (!control)
			return false;
		const CSwitchBase& switchBase = *control;
		return readColorAttribute (switchBase, attributeName, stringValue, switchColorAttributes ());
	}
};

} // namespace UIViewCreator
} // namespace VSTGUI
