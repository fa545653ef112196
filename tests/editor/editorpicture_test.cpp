// The shipped editor drawn as the window would show it, on an image: every
// control draws itself from its value and attributes.
#include "editorfixture.h"
#include "offscreen.h"

#include "vstgui/lib/platform/linux/x11runloop.h"

#include <gtest/gtest.h>

namespace Steinberg {
namespace Vst {
namespace {

using EditorPictureTest = EditorTest;

TEST_F (EditorPictureTest, ShippedEditorDrawsItsControls)
{
	VSTGUI::VST3Editor* editor = openEditor ();
	ASSERT_TRUE (editor);
	host.fire (); // the deferred update: displays show the parameters
	Picture picture = drawOffscreen (*editor->getFrame ());
	ASSERT_FALSE (picture.empty ());
	EXPECT_TRUE (savePng (picture, screenshotPath ("editor-offscreen.png")));
	EXPECT_GT (picture.countColors (), 50u);
	closeEditor (editor);
}

} // namespace
} // namespace Vst
} // namespace Steinberg
