// The six slider modes by name: the table of names, and how the slider
// creator reads, writes and lists the "mode" attribute and the older
// "free-click".
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/cslider.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/sharedpointer.h"
#include "vstgui/uidescription/iviewcreator.h"
#include "vstgui/uidescription/uiattributes.h"
#include "vstgui/uidescription/uiviewfactory.h"
#include "vstgui/uidescription/viewcreator/sliderbasecreator.h"
#include "vstgui/uidescription/viewcreator/slidercreator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace VSTGUI;
using VSTGUI::UIViewCreator::sliderModeNames;

namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

const IViewCreator& sliderCreator () { return *UIViewFactory::getViewCreator ("CSlider"); }

// A slider built from a description element with these attributes.
SharedPointer<CSlider> sliderWith (const Attributes& attributes)
{
	UIAttributes element;
	element.setAttribute ("class", "CSlider");
	for (const auto& a : attributes)
		element.setAttribute (a.first, a.second);
	UIViewFactory factory;
	return SharedPointer<CSlider> (dynamic_cast<CSlider*> (factory.createView (element, nullptr)),
	                               false);
}

std::string modeText (CView* view)
{
	std::string text = "unread";
	sliderCreator ().getAttributeValue (view, "mode", text, nullptr);
	return text;
}

TEST (SliderModeNamesTest, SixNamesInModeOrderAtFixedAddresses)
{
	const auto& names = sliderModeNames ();
	EXPECT_EQ (names, (UIViewCreator::SliderModeNames {"touch", "relative touch", "free click",
	                                                   "BR free click", "ramp", "use global"}));
	EXPECT_EQ (&sliderModeNames (), &names);
	EXPECT_EQ (&sliderModeNames ()[3], &names[3]);
	EXPECT_EQ (static_cast<int32_t> (SliderMode::BRFreeClick), 3);
	EXPECT_EQ (static_cast<int32_t> (SliderMode::Ramp), 4);
	EXPECT_EQ (static_cast<int32_t> (SliderMode::UseGlobal), 5);
}

TEST (SliderCreatorTest, ModeNamesSelectTheirModeAndReadBack)
{
	for (size_t index = 0; index < sliderModeNames ().size (); ++index)
	{
		const std::string& name = sliderModeNames ()[index];
		auto slider = sliderWith ({{"mode", name}});
		ASSERT_TRUE (slider) << name;
		EXPECT_EQ (static_cast<size_t> (slider->getSliderMode ()), index) << name;
		EXPECT_EQ (modeText (slider.get ()), name);
	}
	// Neither attribute: the global mode, reported as "use global".
	auto plain = sliderWith ({});
	EXPECT_EQ (plain->getSliderMode (), SliderMode::UseGlobal);
	EXPECT_EQ (plain->effectiveSliderMode (), SliderMode::BRFreeClick);
	EXPECT_EQ (modeText (plain.get ()), "use global");
	EXPECT_EQ (sliderWith ({{"mode", "free click"}})->effectiveSliderMode (), SliderMode::FreeClick);
}

TEST (SliderCreatorTest, FreeClickIsTrueOrTouch)
{
	const std::pair<const char*, SliderMode> cases[] = {
	    {"true", SliderMode::FreeClick}, {"false", SliderMode::Touch}, {"", SliderMode::Touch},
	    {"TRUE", SliderMode::Touch},     {" true", SliderMode::Touch},
	};
	for (const auto& c : cases)
	{
		auto slider = sliderWith ({{"free-click", c.first}});
		EXPECT_EQ (slider->getSliderMode (), c.second) << "'" << c.first << "'";
		// Read, never written.
		std::string text = "kept";
		EXPECT_FALSE (sliderCreator ().getAttributeValue (slider.get (), "free-click", text, nullptr));
		EXPECT_EQ (text, "kept");
	}
}

TEST (SliderCreatorTest, ANamedModeWinsOverFreeClickInEitherOrder)
{
	EXPECT_EQ (sliderWith ({{"free-click", "true"}, {"mode", "ramp"}})->getSliderMode (),
	           SliderMode::Ramp);
	EXPECT_EQ (sliderWith ({{"mode", "ramp"}, {"free-click", "true"}})->getSliderMode (),
	           SliderMode::Ramp);
	EXPECT_EQ (sliderWith ({{"mode", "touch"}, {"free-click", "true"}})->getSliderMode (),
	           SliderMode::Touch);
	// A mode that names nothing leaves what free-click gave.
	EXPECT_EQ (sliderWith ({{"free-click", "true"}, {"mode", "glide"}})->getSliderMode (),
	           SliderMode::FreeClick);
	EXPECT_EQ (sliderWith ({{"mode", "glide"}, {"free-click", "false"}})->getSliderMode (),
	           SliderMode::Touch);
}

TEST (SliderCreatorTest, ModeNamesMatchExactly)
{
	for (const char* near : {"br free click", "BR Free Click", " BR free click", "BR free click ",
	                         "BR  free click", "Ramp", "ramp\n", "", "BRFreeClick", "3"})
	{
		auto slider = sliderWith ({{"mode", near}});
		EXPECT_EQ (slider->getSliderMode (), SliderMode::UseGlobal) << "'" << near << "'";
		EXPECT_EQ (slider->effectiveSliderMode (), SliderMode::BRFreeClick) << "'" << near << "'";
	}
	// An unmatched name on an existing slider keeps its mode.
	auto slider = sliderWith ({{"mode", "ramp"}});
	UIAttributes element;
	element.setAttribute ("mode", "Touch");
	EXPECT_TRUE (sliderCreator ().apply (slider.get (), element, nullptr));
	EXPECT_EQ (slider->getSliderMode (), SliderMode::Ramp);
}

TEST (SliderCreatorTest, ModeListAppendsTheSixNamesEachTime)
{
	const std::string first = "first", second = "second";
	IViewCreator::ConstStringPtrList list {&first, &second};
	EXPECT_TRUE (sliderCreator ().getPossibleListValues ("mode", list));
	ASSERT_EQ (list.size (), 8u);
	auto it = list.begin ();
	EXPECT_EQ (*it++, &first);
	EXPECT_EQ (*it++, &second);
	for (const std::string& name : sliderModeNames ())
		EXPECT_EQ (*it++, &name);
	EXPECT_TRUE (sliderCreator ().getPossibleListValues ("mode", list));
	EXPECT_EQ (list.size (), 14u);
	EXPECT_EQ (list.back (), &sliderModeNames ()[5]);

	IViewCreator::ConstStringPtrList other {&first};
	EXPECT_FALSE (sliderCreator ().getPossibleListValues ("free-click", other));
	EXPECT_FALSE (sliderCreator ().getPossibleListValues ("zoom-factor", other));
	EXPECT_EQ (other.size (), 1u);
}

TEST (SliderCreatorTest, AttributeNamesAndTypes)
{
	// Every slider's attributes, in this order; the CSlider creator lists its
	// own look after them.
	const IViewCreator::StringList sliderNames {"mode", "orientation", "reverse-orientation",
	                                            "handle-offset", "zoom-factor"};
	const auto& creator = dynamic_cast<const UIViewCreator::SliderCreator&> (sliderCreator ());
	IViewCreator::StringList names;
	EXPECT_TRUE (creator.UIViewCreator::SliderBaseCreator::getAttributeNames (names));
	EXPECT_EQ (names, sliderNames);
	IViewCreator::StringList all;
	EXPECT_TRUE (sliderCreator ().getAttributeNames (all));
	ASSERT_GE (all.size (), sliderNames.size ());
	EXPECT_TRUE (std::equal (sliderNames.begin (), sliderNames.end (), all.begin ()));
	EXPECT_EQ (sliderCreator ().getAttributeType ("mode"), IViewCreator::kListType);
	EXPECT_EQ (sliderCreator ().getAttributeType ("orientation"), IViewCreator::kListType);
	EXPECT_EQ (sliderCreator ().getAttributeType ("free-click"), IViewCreator::kUnknownType);
}

TEST (SliderCreatorTest, OtherViewsAreLeftAlone)
{
	UIAttributes element;
	element.setAttribute ("mode", "ramp");
	element.setAttribute ("free-click", "true");
	CKnob knob (CRect (0, 0, 10, 10));
	CTextLabel label (CRect (0, 0, 10, 10));
	for (CView* view : {static_cast<CView*> (&knob), static_cast<CView*> (&label), static_cast<CView*> (nullptr)})
	{
		EXPECT_FALSE (sliderCreator ().apply (view, element, nullptr));
		std::string text = "kept";
		EXPECT_FALSE (sliderCreator ().getAttributeValue (view, "mode", text, nullptr));
		EXPECT_EQ (text, "kept");
	}
}

TEST (SliderCreatorTest, StoredModeWithoutANameReadsAsNothing)
{
	CSlider slider (CRect (0, 0, 10, 100));
	for (int32_t stored : {6, -1, 1000, INT32_MIN})
	{
		slider.setSliderMode (static_cast<SliderMode> (stored));
		std::string text = "kept";
		EXPECT_FALSE (sliderCreator ().getAttributeValue (&slider, "mode", text, nullptr)) << stored;
		EXPECT_EQ (text, "kept");
		// The other attributes still read.
		EXPECT_TRUE (sliderCreator ().getAttributeValue (&slider, "orientation", text, nullptr));
	}
}

} // namespace
