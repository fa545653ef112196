// Mouse buttons and modifier keys of a mouse event.
#pragma once

#include <cstdint>

namespace VSTGUI {

enum CButton : int32_t
{
	kLButton = 1 << 1,
	kMButton = 1 << 2,
	kRButton = 1 << 3,
	kShift = 1 << 4,
	kControl = 1 << 5,
	kAlt = 1 << 6,
	kApple = 1 << 7,
	kButton4 = 1 << 8,
	kButton5 = 1 << 9,
	kDoubleClick = 1 << 10,
};

class CButtonState
{
public:
	static constexpr int32_t kButtonMask = kLButton | kMButton | kRButton | kButton4 | kButton5;
	static constexpr int32_t kModifierMask = kShift | kControl | kAlt | kApple;

	constexpr CButtonState (int32_t state = 0) : state (state) {}

	int32_t getButtonState () const { return state & kButtonMask; }
	int32_t getModifierState () const { return state & kModifierMask; }
	// The left button and no other mouse button; modifier keys do not matter.
	bool isLeftButton () const { return getButtonState () == kLButton; }
	bool isRightButton () const { return getButtonState () == kRButton; }
	bool isDoubleClick () const { return (state & kDoubleClick) != 0; }

	int32_t operator() () const { return state; }
	int32_t operator& (int32_t bits) const { return state & bits; }
	CButtonState& operator|= (int32_t bits)
	{
		state |= bits;
		return *this;
	}
	bool operator== (const CButtonState& other) const { return state == other.state; }
	bool operator!= (const CButtonState& other) const { return state != other.state; }

private:
	int32_t state;
};

} // namespace VSTGUI
