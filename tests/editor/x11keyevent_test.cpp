// X key symbols as the toolkit's keys: the arrows of the main block and of
// the keypad with their modifiers, and nothing for any other key.
#include "vstgui/lib/platform/linux/x11keyevent.h"
#include "vstgui/lib/platform/linux/x11mouseevent.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

using namespace VSTGUI;
using namespace VSTGUI::X11;

namespace {

TEST (X11KeyTest, ArrowsWithTheirModifiers)
{
	const std::pair<uint32_t, uint8_t> arrows[] = {
	    {XK_Left, VKEY_LEFT},  {XK_Up, VKEY_UP},       {XK_Right, VKEY_RIGHT},
	    {XK_Down, VKEY_DOWN},  {XK_KP_Left, VKEY_LEFT}, {XK_KP_Up, VKEY_UP},
	    {XK_KP_Right, VKEY_RIGHT}, {XK_KP_Down, VKEY_DOWN}};
	for (const auto& arrow : arrows)
	{
		VstKeyCode key;
		ASSERT_TRUE (keyFromXKeysym (arrow.first, 0, key)) << arrow.first;
		EXPECT_EQ (key.virt, arrow.second);
		EXPECT_EQ (key.modifier, 0);
	}
	VstKeyCode key;
	ASSERT_TRUE (keyFromXKeysym (XK_Up, XState::kShift | XState::kLock | XState::kMod2, key));
	EXPECT_EQ (key.modifier, MODIFIER_SHIFT);
	ASSERT_TRUE (keyFromXKeysym (XK_Up, XState::kControl | XState::kMod1 | XState::kMod4, key));
	EXPECT_EQ (key.modifier, MODIFIER_COMMAND | MODIFIER_ALTERNATE | MODIFIER_CONTROL);

	for (uint32_t other : {uint32_t {XK_a}, uint32_t {XK_space}, uint32_t {XK_Escape},
	                       uint32_t {XK_Page_Up}, uint32_t {XK_KP_8}, uint32_t {0}})
		EXPECT_FALSE (keyFromXKeysym (other, 0, key)) << other;
}

} // namespace
