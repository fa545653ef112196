// Creator of "CSlider": beside the attributes of every slider, its handle's
// size and its colours.
#pragma once

#include "vstgui/uidescription/viewcreator/sliderbasecreator.h"

namespace VSTGUI {
namespace UIViewCreator {

class SliderCreator : public SliderBaseCreator
{
public:
	IdStringPtr getViewName () const override { return "CSlider"; }
	IdStringPtr getBaseViewName () const override { return "CControl"; }
	UTF8StringPtr getDisplayName () const override { return "Slider"; }
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
