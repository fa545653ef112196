#include "controller/plugaboutcontroller.h"

#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/uidescription/uiattributes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace VSTGUI;

namespace {

// The one member the sub-controller needs of its controller.
struct FakeController
{
	std::vector<PlugAboutController<FakeController>*> aboutControllers;
};

using About = PlugAboutController<FakeController>;

const std::string kLinuxLine = "3.1.0, VST3 x86_64-Linux  ";

class AboutLineTest : public ::testing::Test
{
protected:
	// The sub-controller as the editor makes it: recorded by the controller,
	// owned by the container, verifying the label and then the button.
	About* bindInContainer (bool audioUnit = false)
	{
		auto* about = new About (&controller, audioUnit);
		controller.aboutControllers.push_back (about);
		container->setSubController (about);
		container->addView (label);
		container->addView (button);
		about->verifyView (container, attributes, nullptr);
		about->verifyView (label, attributes, nullptr);
		about->verifyView (button, attributes, nullptr);
		return about;
	}

	// A press with the left button, as the frame would pass it on.
	void click (CControl* control)
	{
		CPoint where (1, 1);
		control->onMouseDown (where, CButtonState (kLButton));
	}

	void TearDown () override
	{
		if (container)
			container->forget ();
	}

	FakeController controller;
	UIAttributes attributes;
	CViewContainer* container = new CViewContainer (CRect (0, 0, 200, 20));
	CTextLabel* label = new CTextLabel (CRect (0, 0, 150, 20), "given by the description");
	COnOffButton* button = new COnOffButton (CRect (160, 0, 180, 20));
};

TEST_F (AboutLineTest, ButtonSwitchesTheLineOnAndOff)
{
	bindInContainer ();
	EXPECT_EQ (label->getText (), ""); // emptied at binding, the button being off
	click (button);
	EXPECT_EQ (button->getValue (), 1.f);
	EXPECT_EQ (label->getText ().getString (), kLinuxLine); // untrimmed: two blanks at the end
	click (button);
	EXPECT_EQ (label->getText (), "");
}

TEST_F (AboutLineTest, ButtonAlreadyOnShowsTheLineAtBinding)
{
	button->setValue (1.f);
	bindInContainer ();
	EXPECT_EQ (label->getText ().getString (), kLinuxLine);
}

TEST_F (AboutLineTest, AudioUnitHostNamesTheFormat)
{
	bindInContainer (true);
	click (button);
	EXPECT_EQ (label->getText ().getString (), "3.1.0, AU x86_64-Linux  ");
}

TEST_F (AboutLineTest, OnlyTheBoundButtonChangesTheLine)
{
	About* about = bindInContainer ();
	COnOffButton other (CRect (0, 0, 10, 10));
	other.setValue (1.f);
	about->valueChanged (&other);
	about->valueChanged (nullptr);
	EXPECT_EQ (label->getText (), "");
	// Repeated reports of one change set the same text.
	click (button);
	about->valueChanged (button);
	EXPECT_EQ (label->getText ().getString (), kLinuxLine);
}

TEST_F (AboutLineTest, ButtonWithoutLabelChangesNothing)
{
	// A description listing the button before the label.
	auto* about = new About (&controller, false);
	container->setSubController (about);
	container->addView (button);
	container->addView (label);
	button->setValue (1.f);
	about->verifyView (button, attributes, nullptr);
	click (button);
	EXPECT_EQ (label->getText (), "given by the description");
	about->verifyView (label, attributes, nullptr);
	EXPECT_EQ (label->getText (), "");
	click (button);
	EXPECT_EQ (label->getText ().getString (), kLinuxLine);
}

TEST_F (AboutLineTest, SecondLabelAndButtonTakeTheFirstOnesPlace)
{
	About* about = bindInContainer ();
	auto* label2 = new CTextLabel (CRect (0, 0, 10, 10));
	auto* button2 = new COnOffButton (CRect (0, 0, 10, 10));
	container->addView (label2);
	container->addView (button2);
	about->verifyView (label2, attributes, nullptr);
	about->verifyView (button2, attributes, nullptr);

	click (button); // no longer bound
	EXPECT_EQ (label->getText (), "");
	EXPECT_EQ (label2->getText (), "");
	click (button2);
	EXPECT_EQ (label2->getText ().getString (), kLinuxLine);
	EXPECT_EQ (label->getText (), "");

	// The first pair outlives the sub-controller: had it stayed registered
	// with them, AddressSanitizer would report these last touches.
	container->removeView (label, false);
	container->removeView (button, false);
	click (button2);
	EXPECT_EQ (label2->getText (), "");
	container->forget ();
	container = nullptr;
	click (button);
	label->forget ();
	button->forget ();
}

TEST_F (AboutLineTest, LabelDeletedFirstLeavesTheButtonHarmless)
{
	About* about = bindInContainer ();
	container->removeView (label);
	click (button);
	about->valueChanged (button);
	SUCCEED (); // AddressSanitizer reports any use of the deleted label
}

TEST_F (AboutLineTest, ButtonDeletedFirstLeavesNothingToUnregister)
{
	bindInContainer ();
	container->removeView (button);
	// The container deletes the label, then the sub-controller, whose
	// destructor must not reach the deleted button.
	container->forget ();
	container = nullptr;
	EXPECT_TRUE (controller.aboutControllers.empty ());
}

TEST_F (AboutLineTest, ContainerDeletesItsViewsBeforeTheSubController)
{
	bindInContainer ();
	container->forget ();
	container = nullptr;
	EXPECT_TRUE (controller.aboutControllers.empty ());
}

TEST (AboutControllersTest, DeletedOneLeavesOnlyItsOwnEntry)
{
	FakeController controller;
	std::vector<About*> made;
	for (int i = 0; i < 4; ++i)
	{
		made.push_back (new About (&controller, false));
		controller.aboutControllers.push_back (made.back ());
	}
	delete made[1];
	EXPECT_EQ (controller.aboutControllers, (std::vector<About*> {made[0], made[2], made[3]}));
	delete made[3];
	EXPECT_EQ (controller.aboutControllers, (std::vector<About*> {made[0], made[2]}));

	// One the controller never recorded leaves the list as it is.
	delete new About (&controller, false);
	EXPECT_EQ (controller.aboutControllers.size (), 2u);
	delete made[0];
	delete made[2];
	EXPECT_TRUE (controller.aboutControllers.empty ());
}

TEST (AboutPlatformTest, EveryOutcomeOfTheTranslationQuery)
{
	EXPECT_STREQ (translationQueryPlatform (-1, ENOENT, 0), "x86_64-macOS");
	EXPECT_STREQ (translationQueryPlatform (-1, EPERM, 0), "unknown");
	EXPECT_STREQ (translationQueryPlatform (-1, ENOMEM, 1), "unknown");
	EXPECT_STREQ (translationQueryPlatform (0, 0, 0), "arm64-macOS");
	EXPECT_STREQ (translationQueryPlatform (0, 0, 1), "arm64-macOS (T)");
	EXPECT_STREQ (translationQueryPlatform (0, 0, 2), "x86_64-macOS");
	EXPECT_STREQ (translationQueryPlatform (0, 0, 3), "unknown");
	EXPECT_STREQ (translationQueryPlatform (0, 0, -1), "unknown");
	// A successful call leaves errno as it was; only the value counts.
	EXPECT_STREQ (translationQueryPlatform (0, ENOENT, 1), "arm64-macOS (T)");
}

TEST (AboutPlatformTest, LinuxNamesTheBuildArchitecture)
{
#if defined(__linux__) && defined(__x86_64__)
	EXPECT_EQ (aboutPlatformText (), "x86_64-Linux");
#else
	EXPECT_EQ (aboutPlatformText (), std::string (buildArchitecture ()) + "-Linux");
#endif
}

} // namespace
