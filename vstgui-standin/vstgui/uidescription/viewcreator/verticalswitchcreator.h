// Creator of "CVerticalSwitch".
#pragma once

#include "vstgui/uidescription/iviewcreator.h"

namespace VSTGUI {
namespace UIViewCreator {

class VerticalSwitchCreator : public ViewCreatorAdapter
{
public:
	IdStringPtr getViewName () const override { return "CVerticalSwitch"; }
	IdStringPtr getBaseViewName () const override { return "CControl"; }
	UTF8StringPtr getDisplayName () const override { return "Vertical Switch"; }
	CView* create (const UIAttributes& attributes, const IUIDescription* description) const override;
	bool apply (CView* view, const UIAttributes& attributes,
	            const IUIDescription* description) const override;
};

} // namespace UIViewCreator
} // namespace VSTGUI
