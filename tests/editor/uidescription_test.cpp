#include "descriptionfiles.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/cslider.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/uidescription/icontroller.h"
#include "vstgui/uidescription/iviewcreator.h"
#include "vstgui/uidescription/uidescription.h"
#include "vstgui/uidescription/uiviewfactory.h"

#include <gtest/gtest.h>

#include <memory>

using namespace VSTGUI;

namespace {

// Records what a description asks of its controller and of the
// sub-controllers it hands out.
class RecordingController : public IController
{
public:
	explicit RecordingController (std::vector<std::string>* subControllerNames = nullptr)
	: subControllerNames (subControllerNames ? subControllerNames : &ownNames)
	{
	}

	void valueChanged (CControl*) override {}
	CView* verifyView (CView* view, const UIAttributes&, const IUIDescription*) override
	{
		verified.push_back (view);
		return view;
	}
	IController* createSubController (UTF8StringPtr name, const IUIDescription*) override
	{
		subControllerNames->push_back (name);
		auto* sub = new RecordingController (subControllerNames);
		sub->deleted = &subDeleted;
		subControllers.push_back (sub);
		return sub;
	}
	~RecordingController () override
	{
		if (deleted)
			++*deleted;
	}

	std::vector<CView*> verified;
	std::vector<RecordingController*> subControllers;
	std::vector<std::string>* subControllerNames;
	std::vector<std::string> ownNames;
	int subDeleted = 0;
	int* deleted = nullptr;
};

struct Built
{
	explicit Built (const std::string& path, IController* controller = nullptr)
	: description (path), parsed (description.parse ()),
	  view (parsed ? description.createView ("view", controller) : nullptr)
	{
	}
	~Built ()
	{
		if (view)
			view->forget ();
	}
	UIDescription description;
	bool parsed;
	CView* view;
};

TEST (ShippedDescriptionTest, BuildsEveryParameterControlAndTheAboutLine)
{
	RecordingController controller;
	Built built (shippedDescription (), &controller);
	ASSERT_TRUE (built.parsed);
	ASSERT_TRUE (built.view);
	CPoint size;
	ASSERT_TRUE (built.description.getTemplateSize ("view", size));
	EXPECT_EQ (built.view->getViewSize (), CRect (CPoint (0, 0), size));

	for (int32_t tag = 0; tag <= 6; ++tag)
	{
		auto sliders = viewsOf<CSlider> (built.view, tag);
		auto knobs = viewsOf<CKnob> (built.view, tag);
		EXPECT_EQ (sliders.size () + knobs.size (), 1u) << tag;
		EXPECT_EQ (viewsOf<CParamDisplay> (built.view, tag).size (), 1u) << tag;
		for (CControl* control : viewsOf<CControl> (built.view, tag))
			EXPECT_EQ (control->getListener (), &controller) << tag;
	}
	for (int32_t tag : {7, 8})
		EXPECT_EQ (viewsOf<COnOffButton> (built.view, tag).size (), 1u) << tag;

	// One sub-controller, holding a label and after it an untagged button.
	ASSERT_EQ (controller.ownNames, std::vector<std::string> {"AboutController"});
	RecordingController* about = controller.subControllers.front ();
	ASSERT_EQ (about->verified.size (), 3u);
	auto* container = about->verified[0]->asViewContainer ();
	ASSERT_TRUE (container);
	EXPECT_EQ (container->getSubController (), about);
	EXPECT_TRUE (dynamic_cast<CTextLabel*> (about->verified[1]));
	auto* button = dynamic_cast<COnOffButton*> (about->verified[2]);
	ASSERT_TRUE (button);
	EXPECT_EQ (button->getTag (), -1);
	EXPECT_EQ (button->getListener (), nullptr);
	EXPECT_EQ (container->getView (0), about->verified[1]);
	EXPECT_EQ (container->getView (1), about->verified[2]);
	// The views under the sub-controller are not the main controller's to see.
	for (CView* view : about->verified)
		EXPECT_EQ (std::count (controller.verified.begin (), controller.verified.end (), view), 0);
}

TEST (ShippedDescriptionTest, SlidersRunMinimumAtTheBottom)
{
	Built built (shippedDescription ());
	ASSERT_TRUE (built.view);
	for (int32_t tag = 0; tag <= 6; ++tag)
	{
		for (CSlider* slider : viewsOf<CSlider> (built.view, tag))
		{
			EXPECT_EQ (slider->getStyle () & (kVertical | kHorizontal), kVertical) << tag;
			EXPECT_TRUE (slider->getStyle () & kBottom) << tag;
			EXPECT_GT (slider->getHandleTravel (), 0.) << tag;
		}
	}
}

TEST (DescriptionFaultsTest, DamagedFilesBuildNothing)
{
	const std::string valid = descriptionWith ("<view class=\"CKnob\" size=\"10, 10\"/>");
	std::string deep = "<vstgui-ui-description><template name=\"view\">";
	for (int i = 0; i < 1000; ++i)
		deep += "<view class=\"CViewContainer\">";
	for (int i = 0; i < 1000; ++i)
		deep += "</view>";
	deep += "</template></vstgui-ui-description>";
	const std::pair<const char*, std::string> damaged[] = {
	    {"cut.uidesc", valid.substr (0, valid.size () / 2)},
	    {"garbage.uidesc", "\x01\x02not xml at all"},
	    {"empty.uidesc", ""},
	    {"tworoots.uidesc", valid + "<vstgui-ui-description/>"},
	    {"wrongroot.uidesc", "<ui><template name=\"view\" size=\"1, 1\"/></ui>"},
	    {"deep.uidesc", deep},
	};
	for (const auto& file : damaged)
	{
		const std::string& text = file.second;
		UIDescription description (writeDescription (file.first, text));
		EXPECT_FALSE (description.parse ()) << file.first;
		RecordingController controller;
		EXPECT_EQ (description.createView ("view", &controller), nullptr) << file.first;
		EXPECT_TRUE (controller.verified.empty ());
	}
	UIDescription missing (::testing::TempDir () + "no-such-file.uidesc");
	EXPECT_FALSE (missing.parse ());
	EXPECT_EQ (missing.createView ("view", nullptr), nullptr);
	UIDescription unnamed ("");
	EXPECT_FALSE (unnamed.parse ());
}

TEST (DescriptionFaultsTest, MissingTemplateBuildsNothing)
{
	UIDescription description (writeDescription (
	    "other.uidesc", "<vstgui-ui-description><template name=\"other\" size=\"5, 5\"/>"
	                    "<bitmaps><bitmap name=\"x\" path=\"x.png\"/></bitmaps>"
	                    "</vstgui-ui-description>"));
	ASSERT_TRUE (description.parse ());
	CPoint size;
	EXPECT_FALSE (description.getTemplateSize ("view", size));
	EXPECT_EQ (description.createView ("view", nullptr), nullptr);
	EXPECT_EQ (description.createView (nullptr, nullptr), nullptr);
	CView* other = description.createView ("other", nullptr);
	ASSERT_TRUE (other);
	EXPECT_TRUE (other->asViewContainer ()); // a template without a class is a container
	other->forget ();
}

TEST (DescriptionFaultsTest, UnknownClassesTagsAndValuesAreSkipped)
{
	RecordingController controller;
	Built built (writeDescription ("unknown.uidesc",
	                               descriptionWith (
	                                   "<view class=\"CFancyThing\" size=\"10, 10\">"
	                                   "  <view class=\"CKnob\" control-tag=\"Level\"/></view>"
	                                   "<view size=\"10, 10\"/>"
	                                   "<view class=\"CKnob\" control-tag=\"NoSuchTag\" origin=\"5, x\" "
	                                   "size=\"-3, 4\" min-value=\"low\" colour=\"red\"/>"
	                                   "<view class=\"CControl\" control-tag=\"Depth\"/>"
	                                   "<view class=\"CKnob\" control-tag=\"Depth\" origin=\"1e999, 0\"/>"
	                                   "<bogus class=\"CKnob\"/>")),
	             &controller);
	ASSERT_TRUE (built.view);
	auto* container = built.view->asViewContainer ();
	ASSERT_EQ (container->getNbViews (), 2u); // the two knobs of known classes
	auto* untagged = dynamic_cast<CKnob*> (container->getView (0));
	ASSERT_TRUE (untagged);
	EXPECT_EQ (untagged->getTag (), -1);
	EXPECT_EQ (untagged->getListener (), nullptr);
	EXPECT_EQ (untagged->getViewSize (), CRect ());
	EXPECT_EQ (untagged->getMin (), 0.f);
	auto* depth = dynamic_cast<CKnob*> (container->getView (1));
	ASSERT_TRUE (depth);
	EXPECT_EQ (depth->getTag (), 2);
	EXPECT_EQ (depth->getViewSize (), CRect ());
	// The knob inside the unknown class was never made.
	EXPECT_TRUE (viewsOf<CKnob> (built.view, 0).empty ());
}

TEST (DescriptionFaultsTest, DroppedOrReplacedViewsAreReleased)
{
	struct Picky : RecordingController
	{
		CView* verifyView (CView* view, const UIAttributes& attributes,
		                   const IUIDescription* description) override
		{
			RecordingController::verifyView (view, attributes, description);
			if (dynamic_cast<CKnob*> (view))
				return nullptr;
			if (dynamic_cast<COnOffButton*> (view))
				return new CTextLabel (CRect (), "instead");
			return view;
		}
	} controller;
	Built built (writeDescription ("picky.uidesc",
	                               descriptionWith ("<view class=\"CKnob\"/><view class=\"COnOffButton\"/>"
	                                                "<view class=\"CViewContainer\" "
	                                                "sub-controller=\"Gone\"><view class=\"CKnob\"/>"
	                                                "</view>")),
	             &controller);
	ASSERT_TRUE (built.view);
	auto* container = built.view->asViewContainer ();
	ASSERT_EQ (container->getNbViews (), 2u);
	auto* label = dynamic_cast<CTextLabel*> (container->getView (0));
	ASSERT_TRUE (label);
	EXPECT_EQ (label->getText (), "instead");
	// LeakSanitizer reports the dropped knobs and the replaced button, should
	// they be kept.
}

TEST (DescriptionFaultsTest, SubControllerOfAViewNeverMadeIsDeleted)
{
	RecordingController controller;
	{
		Built built (writeDescription ("lostsub.uidesc",
		                               descriptionWith ("<view class=\"CNothing\" sub-controller=\"A\"/>"
		                                                "<view class=\"CViewContainer\" sub-controller=\"B\">"
		                                                "<view class=\"CKnob\"/></view>")),
		             &controller);
		ASSERT_TRUE (built.view);
		EXPECT_EQ (controller.ownNames, (std::vector<std::string> {"A", "B"}));
		EXPECT_EQ (controller.subDeleted, 1); // A's, at once
	}
	EXPECT_EQ (controller.subDeleted, 2); // B's, with its view
}

TEST (DescriptionTagsTest, NamesMapToTagsThroughTheController)
{
	struct Renaming : RecordingController
	{
		int32_t getTagForName (UTF8StringPtr name, int32_t registeredTag) const override
		{
			return std::string (name) == "Depth" ? 99 : registeredTag;
		}
	} controller;
	Built built (writeDescription ("tags.uidesc",
	                               descriptionWith ("<view class=\"CKnob\" control-tag=\"Depth\"/>"
	                                                "<view class=\"CKnob\" control-tag=\"Bypass\"/>")),
	             &controller);
	ASSERT_TRUE (built.view);
	auto* container = built.view->asViewContainer ();
	EXPECT_EQ (static_cast<CControl*> (container->getView (0))->getTag (), 99);
	EXPECT_EQ (static_cast<CControl*> (container->getView (1))->getTag (), 8);
	EXPECT_EQ (built.description.getTagForName ("Bypass"), 8);
	EXPECT_EQ (built.description.getTagForName ("Nope"), -1);
	EXPECT_EQ (built.description.getTagForName (nullptr), -1);
	std::string name;
	EXPECT_TRUE (built.description.lookupControlTagName (42, name));
	EXPECT_EQ (name, "Spare");
	EXPECT_FALSE (built.description.lookupControlTagName (5, name));
}

// Every attribute a creator applies reads back as it was written.
TEST (ViewCreatorTest, AttributesReadBackAsWritten)
{
	struct Case
	{
		const char* className;
		std::vector<std::pair<std::string, std::string>> attributes;
	};
	const Case cases[] = {
	    {"CSlider",
	     {{"origin", "10, 20"},
	      {"size", "30, 110"},
	      {"mouse-enabled", "false"},
	      {"min-value", "-1"},
	      {"max-value", "2"},
	      {"default-value", "0.5"},
	      {"wheel-inc-value", "0.25"},
	      {"orientation", "vertical"},
	      {"reverse-orientation", "true"},
	      {"handle-offset", "2, 3"},
	      {"zoom-factor", "12.5"}}},
	    {"CSlider", {{"orientation", "horizontal"}, {"reverse-orientation", "false"}}},
	    {"CKnob", {{"origin", "0, 0"}, {"size", "60, 60"}, {"mouse-enabled", "true"}}},
	    {"CParamDisplay", {{"value-precision", "4"}}},
	    {"CTextLabel", {{"title", "za Derazid"}, {"value-precision", "1"}}},
	};
	for (const Case& c : cases)
	{
		UIAttributes attributes;
		attributes.setAttribute ("class", c.className);
		for (const auto& a : c.attributes)
			attributes.setAttribute (a.first, a.second);
		UIViewFactory factory;
		CView* view = factory.createView (attributes, nullptr);
		ASSERT_TRUE (view) << c.className;
		for (const auto& a : c.attributes)
		{
			std::string value = "unread";
			bool read = false;
			for (const char* name : {c.className, "CParamDisplay", "CControl", "CView"})
			{
				const IViewCreator* creator = UIViewFactory::getViewCreator (name);
				if (creator && creator->getAttributeValue (view, a.first, value, nullptr))
				{
					read = true;
					break;
				}
			}
			EXPECT_TRUE (read) << c.className << " " << a.first;
			EXPECT_EQ (value, a.second) << c.className << " " << a.first;
		}
		view->forget ();
	}
}

TEST (ViewCreatorTest, SliderStyleAndGeometryFollowTheAttributes)
{
	UIAttributes attributes;
	attributes.setAttribute ("class", "CSlider");
	attributes.setAttribute ("size", "30, 110");
	attributes.setAttribute ("handle-offset", "2, 5");
	attributes.setAttribute ("orientation", "vertical");
	attributes.setAttribute ("reverse-orientation", "true");
	UIViewFactory factory;
	SharedPointer<CSlider> slider (dynamic_cast<CSlider*> (factory.createView (attributes, nullptr)),
	                               false);
	ASSERT_TRUE (slider);
	EXPECT_EQ (slider->getStyle (), kVertical | kTop | kLeft); // kLeft stays from the default
	EXPECT_FALSE (slider->isInverseStyle ());
	// Height minus the one-pixel handle minus the offset at both ends.
	EXPECT_EQ (slider->getHandleTravel (), 110. - 1. - 10.);
	EXPECT_EQ (slider->getMinHandlePos (), 5.);
	EXPECT_EQ (slider->calculateHandleRect (1.f), CRect (2, 104, 3, 105));
	EXPECT_EQ (slider->calculateHandleRect (2.f), CRect (2, 104, 3, 105)); // held at the end

	attributes.setAttribute ("reverse-orientation", "no");
	UIViewFactory::getViewCreator ("CSlider")->apply (slider.get (), attributes, nullptr);
	EXPECT_EQ (slider->getStyle (), kVertical | kBottom | kLeft);
	EXPECT_TRUE (slider->isInverseStyle ());
	EXPECT_EQ (slider->calculateHandleRect (1.f).top, 5.);

	attributes.setAttribute ("orientation", "sideways"); // anything else is horizontal
	UIViewFactory::getViewCreator ("CSlider")->apply (slider.get (), attributes, nullptr);
	EXPECT_TRUE (slider->isStyleHorizontal ());
	EXPECT_EQ (slider->getHandleTravel (), 30. - 1. - 4.);

	// A creator leaves views of other classes alone.
	CKnob knob (CRect (0, 0, 10, 10));
	EXPECT_FALSE (UIViewFactory::getViewCreator ("CSlider")->apply (&knob, attributes, nullptr));
	std::string value = "kept";
	EXPECT_FALSE (UIViewFactory::getViewCreator ("CSlider")->getAttributeValue (&knob, "orientation",
	                                                                           value, nullptr));
	EXPECT_EQ (value, "kept");
	IViewCreator::ConstStringPtrList list;
	EXPECT_TRUE (UIViewFactory::getViewCreator ("CSlider")->getPossibleListValues ("orientation", list));
	EXPECT_EQ (list.size (), 2u);
}

TEST (ViewCreatorTest, NumbersReadTheSameWhateverTheHostLocale)
{
	double value = 0.;
	EXPECT_TRUE (UIAttributes::stringToDouble (" 0.25 ", value));
	EXPECT_EQ (value, 0.25);
	for (const char* bad : {"", "0,25", "1.5x", "nan", "inf", "1e999", "--1"})
		EXPECT_FALSE (UIAttributes::stringToDouble (bad, value)) << bad;
	int32_t tag = 0;
	EXPECT_TRUE (UIAttributes::stringToInteger ("42", tag));
	EXPECT_EQ (tag, 42);
	for (const char* bad : {"", "4 2", "99999999999", "0x10", "seven"})
		EXPECT_FALSE (UIAttributes::stringToInteger (bad, tag)) << bad;
	CPoint point;
	EXPECT_TRUE (UIAttributes::stringToPoint ("3, 4.5", point));
	EXPECT_EQ (point, CPoint (3, 4.5));
	EXPECT_FALSE (UIAttributes::stringToPoint ("3 4", point));
}

} // namespace
