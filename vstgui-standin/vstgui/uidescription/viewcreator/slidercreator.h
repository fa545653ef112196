// Creator of "CSlider".
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
};

} // namespace UIViewCreator
} // namespace VSTGUI
