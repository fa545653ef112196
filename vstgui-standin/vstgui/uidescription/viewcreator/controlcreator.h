// The attributes every control shares: its tag, which also brings it its
// listener, and its range and default.
#pragma once

#include "vstgui/uidescription/iviewcreator.h"

namespace VSTGUI {
namespace UIViewCreator {

class ControlCreator : public ViewCreatorAdapter
{
public:
	IdStringPtr getViewName () const override { return "CControl"; }
	IdStringPtr getBaseViewName () const override { return "CView"; }
	UTF8StringPtr getDisplayName () const override { return "Control"; }
	// A control is always of a concrete class.
	CView* create (const UIAttributes&, const IUIDescription*) const override { return nullptr; }
	bool apply (CView* view, const UIAttributes& attributes,
	            const IUIDescription* description) const override;
	bool getAttributeNames (StringList& attributeNames) const override;
	AttrType getAttributeType (const std::string& attributeName) const override;
	bool getAttributeValue (CView* view, const std::string& attributeName, std::string& stringValue,
	                        const IUIDescription* description) const override;
};

} // namespace UIViewCreator
} // namespace VSTGUI
