// Creator of "CHorizontalSwitch".
#pragma once

#include "vstgui/uidescription/iviewcreator.h"

namespace VSTGUI {
namespace UIViewCreator {

class HorizontalSwitchCreator : public ViewCreatorAdapter
{
public:
	IdStringPtr getViewName () const override { return "CHorizontalSwitch"; }
	IdStringPtr getBaseViewName () const override { return "CControl"; }
	UTF8StringPtr getDisplayName () const override { return "Horizontal Switch"; }
	CView* create (const UIAttributes& attributes, const IUIDescription* description) const override;
	bool apply (CView* view, const UIAttributes& attributes,
	            const IUIDescription* description) const override;
};

} // namespace UIViewCreator
} // namespace VSTGUI
