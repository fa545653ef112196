// Creator of "CViewContainer": its background colour.
#pragma once

#include "vstgui/uidescription/iviewcreator.h"

namespace VSTGUI {
namespace UIViewCreator {

class ViewContainerCreator : public ViewCreatorAdapter
{
public:
	IdStringPtr getViewName () const override { return "CViewContainer"; }
	IdStringPtr getBaseViewName () const override { return "CView"; }
	UTF8StringPtr getDisplayName () const override { return "View Container"; }
	CView* create (const UIAttributes& attributes, const IUIDescription* description) const override;
	bool apply (CView* view, const UIAttributes& attributes,
	            const IUIDescription* description) const override;
	bool getAttributeNames (StringList& attributeNames) const override;
	AttrType getAttributeType (const std::string& attributeName) const override;
	bool getAttributeValue (CView* view, const std::string& attributeName, std::string& stringValue,
	                        const IUIDescription* description) const override;
};

} // namespace UIViewCreator
} // namespace VSTGUI
