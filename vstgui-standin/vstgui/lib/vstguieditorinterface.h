// What a frame asks of the editor that owns it.
#pragma once

#include "vstgui/lib/vstguifwd.h"

namespace VSTGUI {

class VSTGUIEditorInterface
{
public:
	virtual ~VSTGUIEditorInterface () noexcept = default;

	// One of CKnobMode.
	virtual int32_t getKnobMode () const = 0;
};

} // namespace VSTGUI
