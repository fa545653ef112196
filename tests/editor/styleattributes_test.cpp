// The look of the controls as UI descriptions write it: colours, fonts,
// alignment, corner radius and the slider's handle, read and written back.
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/controls/cslider.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/lib/sharedpointer.h"
#include "vstgui/uidescription/iviewcreator.h"
#include "vstgui/uidescription/uiattributes.h"
#include "vstgui/uidescription/uiviewfactory.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace VSTGUI;

namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

template <typename T>
SharedPointer<T> build (const char* className, const Attributes& values)
{
	UIAttributes attributes;
	attributes.setAttribute ("class", className);
	for (const auto& a : values)
		attributes.setAttribute (a.first, a.second);
	UIViewFactory factory;
	CView* view = factory.createView (attributes, nullptr);
	T* typed = dynamic_cast<T*> (view);
	if (!typed && view)
		view->forget ();
	return SharedPointer<T> (typed, false);
}

// The value any creator of the view's class line reads for the attribute.
std::string readBack (CView* view, const char* className, const std::string& name)
{
	for (const char* creatorName : {className, "CParamDisplay", "CControl", "CView"})
	{
		const IViewCreator* creator = UIViewFactory::getViewCreator (creatorName);
		std::string value;
		if (creator && creator->getAttributeValue (view, name, value, nullptr))
			return value;
	}
	return "unread";
}

TEST (ColorTextTest, HexColoursWithAndWithoutAlpha)
{
	CColor color;
	ASSERT_TRUE (UIAttributes::stringToColor ("#4fb8e6", color));
	EXPECT_EQ (color, CColor (0x4f, 0xb8, 0xe6, 255));
	ASSERT_TRUE (UIAttributes::stringToColor ("#4FB8E680", color));
	EXPECT_EQ (color, CColor (0x4f, 0xb8, 0xe6, 0x80));
	EXPECT_EQ (UIAttributes::colorToString (color), "#4fb8e680");
	EXPECT_EQ (UIAttributes::colorToString (kTransparentCColor), "#00000000");
	const CColor kept (1, 2, 3, 4);
	for (const char* bad : {"", "#", "4fb8e6", "#4fb8e", "#4fb8e6f", "#4fb8e6ff0", "#4fb8g6",
	                        " #4fb8e6", "#4fb8e6 ", "red"})
	{
		color = kept;
		EXPECT_FALSE (UIAttributes::stringToColor (bad, color)) << bad;
		EXPECT_EQ (color, kept) << bad;
	}
}

TEST (FontTextTest, FamilySizeAndStyleWords)
{
	CFontDesc font;
	ASSERT_TRUE (UIAttributes::stringToFont ("DejaVu Sans, 13", font));
	EXPECT_EQ (font, CFontDesc ("DejaVu Sans", 13, kNormalFace));
	ASSERT_TRUE (UIAttributes::stringToFont ("  DejaVu Sans Mono ,11.5 , italic,bold ", font));
	EXPECT_EQ (font, CFontDesc ("DejaVu Sans Mono", 11.5, kBoldFace | kItalicFace));
	EXPECT_EQ (UIAttributes::fontToString (font), "DejaVu Sans Mono, 11.5, bold, italic");
	const CFontDesc kept ("Kept", 9);
	for (const char* bad : {"", "DejaVu Sans", ", 12", "DejaVu Sans, 0", "DejaVu Sans, -3",
	                        "DejaVu Sans, 513", "DejaVu Sans, nan", "DejaVu Sans, 12, heavy",
	                        "DejaVu Sans, 12,", "DejaVu Sans, twelve"})
	{
		font = kept;
		EXPECT_FALSE (UIAttributes::stringToFont (bad, font)) << bad;
		EXPECT_EQ (font, kept) << bad;
	}
}

TEST (StyleCreatorTest, EveryStyleAttributeReadsBackAsWritten)
{
	struct Case
	{
		const char* className;
		Attributes attributes;
	};
	const Case cases[] = {
	    {"CViewContainer", {{"background-color", "#1b1f26ff"}}},
	    {"CSlider",
	     {{"handle-size", "30, 14"},
	      {"back-color", "#363d48ff"},
	      {"value-color", "#4fb8e6ff"},
	      {"handle-color", "#e8ebf0ff"},
	      {"frame-color", "#00000080"},
	      {"orientation", "vertical"}}},
	    {"CKnob",
	     {{"corona-color", "#4fb8e6ff"},
	      {"frame-color", "#363d48ff"},
	      {"back-color", "#2c323cff"},
	      {"handle-color", "#e8ebf0ff"},
	      {"handle-line-width", "2.5"}}},
	    {"COnOffButton",
	     {{"back-color", "#363d48ff"},
	      {"on-color", "#f0a030ff"},
	      {"frame-color", "#10203040"},
	      {"handle-color", "#e8ebf0ff"}}},
	    {"CHorizontalSwitch",
	     {{"back-color", "#363d48ff"}, {"on-color", "#4fb8e6ff"}, {"frame-color", "#ffffff20"}}},
	    {"CVerticalSwitch", {{"on-color", "#f0a030ff"}}},
	    {"CParamDisplay",
	     {{"font", "DejaVu Sans, 12"},
	      {"font-color", "#e6e9eeff"},
	      {"back-color", "#161a20ff"},
	      {"frame-color", "#00000000"},
	      {"text-alignment", "right"},
	      {"round-rect-radius", "5"}}},
	    {"CTextLabel",
	     {{"title", "STEREO FLANGER"},
	      {"font", "DejaVu Sans, 11, bold"},
	      {"text-alignment", "left"}}},
	};
	for (const Case& c : cases)
	{
		SharedPointer<CView> view = build<CView> (c.className, c.attributes);
		ASSERT_TRUE (view) << c.className;
		for (const auto& a : c.attributes)
			EXPECT_EQ (readBack (view.get (), c.className, a.first), a.second)
			    << c.className << " " << a.first;
	}
}

TEST (StyleCreatorTest, UnreadableValuesKeepTheLookAsItWas)
{
	auto display = build<CParamDisplay> ("CParamDisplay", {{"font", "Sans"},
	                                                       {"font-color", "white"},
	                                                       {"text-alignment", "middle"},
	                                                       {"round-rect-radius", "big"}});
	ASSERT_TRUE (display);
	const CParamDisplay plain {CRect ()};
	EXPECT_EQ (display->getFont (), plain.getFont ());
	EXPECT_EQ (display->getFontColor (), plain.getFontColor ());
	EXPECT_EQ (display->getHoriAlign (), kCenterText);
	EXPECT_EQ (display->getRoundRectRadius (), 0.);

	auto slider = build<CSlider> ("CSlider", {{"handle-size", "0, -4"}, {"value-color", "#12"}});
	ASSERT_TRUE (slider);
	EXPECT_EQ (slider->getHandleSize (), CPoint (1, 1)); // never smaller than a pixel
	EXPECT_EQ (slider->getValueColor (), CSlider {CRect ()}.getValueColor ());
	auto knob = build<CKnob> ("CKnob", {{"handle-line-width", "-3"}});
	ASSERT_TRUE (knob);
	EXPECT_EQ (knob->getHandleLineWidth (), 0.);
}

TEST (StyleCreatorTest, HandleSizeSetsTheSlidersGeometry)
{
	auto slider = build<CSlider> ("CSlider", {{"size", "30, 100"},
	                                          {"orientation", "vertical"},
	                                          {"handle-size", "30, 14"}});
	ASSERT_TRUE (slider);
	EXPECT_EQ (slider->getHandleHeight (), 14.);
	EXPECT_EQ (slider->getHandleTravel (), 86.);
}

TEST (StyleCreatorTest, CreatorsListTheirStyleAttributesWithTypes)
{
	struct Expected
	{
		const char* className;
		const char* name;
		IViewCreator::AttrType type;
	};
	const Expected expected[] = {
	    {"CViewContainer", "background-color", IViewCreator::kColorType},
	    {"CSlider", "handle-size", IViewCreator::kPointType},
	    {"CSlider", "value-color", IViewCreator::kColorType},
	    {"CSlider", "orientation", IViewCreator::kListType},
	    {"CKnob", "corona-color", IViewCreator::kColorType},
	    {"CKnob", "handle-line-width", IViewCreator::kFloatType},
	    {"COnOffButton", "on-color", IViewCreator::kColorType},
	    {"CHorizontalSwitch", "on-color", IViewCreator::kColorType},
	    {"CVerticalSwitch", "back-color", IViewCreator::kColorType},
	    {"CParamDisplay", "font", IViewCreator::kFontType},
	    {"CParamDisplay", "text-alignment", IViewCreator::kListType},
	};
	for (const Expected& e : expected)
	{
		const IViewCreator* creator = UIViewFactory::getViewCreator (e.className);
		ASSERT_TRUE (creator) << e.className;
		IViewCreator::StringList names;
		creator->getAttributeNames (names);
		EXPECT_NE (std::find (names.begin (), names.end (), e.name), names.end ())
		    << e.className << " " << e.name;
		EXPECT_EQ (creator->getAttributeType (e.name), e.type) << e.className << " " << e.name;
	}
	IViewCreator::ConstStringPtrList alignments;
	ASSERT_TRUE (UIViewFactory::getViewCreator ("CParamDisplay")
	                 ->getPossibleListValues ("text-alignment", alignments));
	ASSERT_EQ (alignments.size (), 3u);
	EXPECT_EQ (*alignments.front (), "left");
	EXPECT_EQ (*alignments.back (), "right");
}

TEST (StyleCreatorTest, StyleCreatorsRefuseViewsOfOtherClasses)
{
	CKnob knob {CRect ()};
	UIAttributes attributes;
	attributes.setAttribute ("on-color", "#ffffffff");
	attributes.setAttribute ("background-color", "#ffffffff");
	for (const char* name :
	     {"COnOffButton", "CSlider", "CParamDisplay", "CViewContainer", "CHorizontalSwitch"})
	{
		const IViewCreator* creator = UIViewFactory::getViewCreator (name);
		ASSERT_TRUE (creator);
		EXPECT_FALSE (creator->apply (&knob, attributes, nullptr)) << name;
		std::string value;
		EXPECT_FALSE (creator->getAttributeValue (&knob, "back-color", value, nullptr)) << name;
	}
}

} // namespace
