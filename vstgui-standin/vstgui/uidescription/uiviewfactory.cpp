#include "vstgui/uidescription/uiviewfactory.h"

#include "vstgui/lib/cview.h"
#include "vstgui/uidescription/uiattributes.h"
#include "vstgui/uidescription/viewcreator/controlcreator.h"
#include "vstgui/uidescription/viewcreator/horizontalswitchcreator.h"
#include "vstgui/uidescription/viewcreator/knobcreator.h"
#include "vstgui/uidescription/viewcreator/onoffbuttoncreator.h"
#include "vstgui/uidescription/viewcreator/paramdisplaycreator.h"
#include "vstgui/uidescription/viewcreator/slidercreator.h"
#include "vstgui/uidescription/viewcreator/textlabelcreator.h"
#include "vstgui/uidescription/viewcreator/verticalswitchcreator.h"
#include "vstgui/uidescription/viewcreator/viewcontainercreator.h"
#include "vstgui/uidescription/viewcreator/viewcreator.h"

#include <algorithm>
#include <map>

namespace VSTGUI {

namespace {

using Registry = std::map<std::string, const IViewCreator*>;

// Registered here rather than by static objects in their own files, which a
// static library would leave out of the module.
Registry& registry ()
{
	static Registry creators = [] {
		static const UIViewCreator::ViewCreator view;
		static const UIViewCreator::ViewContainerCreator container;
		static const UIViewCreator::ControlCreator control;
		static const UIViewCreator::SliderCreator slider;
		static const UIViewCreator::KnobCreator knob;
		static const UIViewCreator::OnOffButtonCreator onOffButton;
		static const UIViewCreator::ParamDisplayCreator paramDisplay;
		static const UIViewCreator::TextLabelCreator textLabel;
		static const UIViewCreator::VerticalSwitchCreator verticalSwitch;
		static const UIViewCreator::HorizontalSwitchCreator horizontalSwitch;
		Registry standard;
		for (const IViewCreator* creator : std::initializer_list<const IViewCreator*> {
		         &view, &container, &control, &slider, &knob, &onOffButton, &paramDisplay,
		         &textLabel, &verticalSwitch, &horizontalSwitch})
			standard[creator->getViewName ()] = creator;
		return standard;
	}();
	return creators;
}

} // namespace

const IViewCreator* UIViewFactory::getViewCreator (const std::string& className)
{
	auto it = registry ().find (className);
	return it == registry ().end () ? nullptr : it->second;
}

void UIViewFactory::registerViewCreator (const IViewCreator& viewCreator)
{
	if (viewCreator.getViewName ())
		registry ()[viewCreator.getViewName ()] = &viewCreator;
}

void UIViewFactory::unregisterViewCreator (const IViewCreator& viewCreator)
{
	auto& creators = registry ();
	for (auto it = creators.begin (); it != creators.end (); ++it)
	{
		if (it->second == &viewCreator)
		{
			creators.erase (it);
			return;
		}
	}
}

std::vector<const IViewCreator*> UIViewFactory::creatorLine (const std::string& className)
{
	std::vector<const IViewCreator*> line;
	const IViewCreator* creator = getViewCreator (className);
	while (creator && std::find (line.begin (), line.end (), creator) == line.end ())
	{
		line.push_back (creator);
		IdStringPtr base = creator->getBaseViewName ();
		creator = base ? getViewCreator (base) : nullptr;
	}
	std::reverse (line.begin (), line.end ());
	return line;
}

CView* UIViewFactory::createView (const UIAttributes& attributes,
                                  const IUIDescription* description) const
{
	const std::string* className = attributes.getAttributeValue ("class");
	if (!className)
		return nullptr;
	const IViewCreator* creator = getViewCreator (*className);
	if (!creator)
		return nullptr;
	CView* view = creator->create (attributes, description);
	if (!view)
		return nullptr;
	try
	{
		applyAttributeValues (view, className->c_str (), attributes, description);
	}
	catch (...)
	{
		view->forget ();
		throw;
	}
	return view;
}

bool UIViewFactory::applyAttributeValues (CView* view, IdStringPtr className,
                                          const UIAttributes& attributes,
                                          const IUIDescription* description) const
{
	if (!view || !className)
		return false;
	auto line = creatorLine (className);
	for (const IViewCreator* creator : line)
		creator->apply (view, attributes, description);
	return !line.empty ();
}

} // namespace VSTGUI
