// Creator of "CParamDisplay": the precision of its own value text, its font,
// colours, text alignment and corner radius.
#pragma once

#include "vstgui/uidescription/iviewcreator.h"

namespace VSTGUI {
namespace UIViewCreator {

class ParamDisplayCreator : public ViewCreatorAdapter
{
public:
	IdStringPtr getViewName () const override { return "CParamDisplay"; }
	IdStringPtr getBaseViewName () const override { return "CControl"; }
	UTF8StringPtr getDisplayName () const override { return "Parameter Display"; }
	CView* create (const UIAttributes& attributes, const IUIDescription* description) const override;
	bool apply (CView* view, const UIAttributes& attributes,
	            const IUIDescription* description) const override;
	bool getAttributeNames (StringList& attributeNames) const override;
	AttrType getAttributeType (const std::string& attributeName) const override;
	bool getAttributeValue (CView* view, const std::string& attributeName, std::string& stringValue,
	                        const IUIDescription* description) const override;
	bool getPossibleListValues (const std::string& attributeName,
	                            ConstStringPtrList& values) const override;
	bool getAttributeValueRange (const std::string& attributeName, double& minValue,
	                             double& maxValue) const override;
};

} // namespace UIViewCreator
} // namespace VSTGUI
