// The sub-controller of the editor's about line. It binds a text label and an
// on/off button: while the button is on, the label shows the plug-in's
// version, its format and the platform; while it is off, the label is empty.
// Of the controller it needs only the list aboutControllers, which it leaves
// when it is deleted.
#pragma once

#include "common/version.h"
#include "controller/aboutplatform.h"

#include "vstgui/lib/controls/conoffbutton.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/iviewlistener.h"
#include "vstgui/uidescription/icontroller.h"

#include "base/source/fstring.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {

template <typename ControllerType>
class PlugAboutController : public VSTGUI::IController, public VSTGUI::ViewListenerAdapter
{
public:
	// isAudioUnit: the host runs the plug-in as an Audio Unit.
	PlugAboutController (ControllerType* controller, bool isAudioUnit)
	: controller (controller),
	  aboutFormat (isAudioUnit ? "AU" : "VST3"),
	  aboutVersion (PLUG_ABOUT_VERSION_STR),
	  aboutPlatform (aboutPlatformText ().c_str ())
	{
	}

	~PlugAboutController () override
	{
		if (aboutLabel)
			unbindLabel ();
		if (aboutButton)
			unbindButton ();
		if (controller)
		{
			auto& list = controller->aboutControllers;
			auto it = std::find (list.begin (), list.end (), this);
			if (it != list.end ())
				list.erase (it);
		}
	}

	PlugAboutController (const PlugAboutController&) = delete;
	PlugAboutController& operator= (const PlugAboutController&) = delete;

	void valueChanged (VSTGUI::CControl* control) override
	{
		if (!control || control != aboutButton || !aboutLabel)
			return;
		String text;
		if (aboutButton->getValue () != 0.f)
		{
			text += aboutVersion;
			text += ", ";
			text += aboutFormat;
			text += " ";
			text += aboutPlatform;
			text += " ";
			text += aboutSuffixB;
			text += " ";
			text += aboutSuffixA;
		}
		text.toMultiByte (kCP_Utf8);
		aboutLabel->setText (VSTGUI::UTF8String (text.text8 ()));
	}

	// Binds a label and a button among the views created under this
	// sub-controller; a later one of either kind takes the earlier one's place.
	VSTGUI::CView* verifyView (VSTGUI::CView* view, const VSTGUI::UIAttributes&,
	                           const VSTGUI::IUIDescription*) override
	{
		if (!view)
			return view;
		if (auto* label = dynamic_cast<VSTGUI::CTextLabel*> (view))
		{
			if (aboutLabel && aboutLabel != label)
				unbindLabel ();
			aboutLabel = label;
			label->registerViewListener (this);
			label->setText ("");
		}
		if (auto* button = dynamic_cast<VSTGUI::COnOffButton*> (view))
		{
			if (aboutButton && aboutButton != button)
				unbindButton ();
			aboutButton = button;
			button->registerControlListener (this);
			// The toolkit deletes the views before their sub-controller.
			button->registerViewListener (this);
			valueChanged (button);
		}
		return view;
	}

	void viewWillDelete (VSTGUI::CView* view) override
	{
		if (aboutLabel && view == aboutLabel)
			unbindLabel ();
		if (aboutButton && view == aboutButton)
			unbindButton ();
	}

private:
	void unbindLabel ()
	{
		aboutLabel->unregisterViewListener (this);
		aboutLabel = nullptr;
	}

	void unbindButton ()
	{
		aboutButton->unregisterControlListener (this);
		aboutButton->unregisterViewListener (this);
		aboutButton = nullptr;
	}

	ControllerType* controller;
	VSTGUI::COnOffButton* aboutButton {nullptr};
	VSTGUI::CTextLabel* aboutLabel {nullptr};
	String aboutFormat;
	String aboutVersion;
	String aboutPlatform;
	String aboutSuffixA;
	String aboutSuffixB;
};

} // namespace Vst
} // namespace Steinberg
