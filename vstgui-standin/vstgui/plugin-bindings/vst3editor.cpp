#include "vstgui/plugin-bindings/vst3editor.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/plugin-bindings/parameterchangelistener.h"
#include "vstgui/plugin-bindings/vst3editordelegate.h"
#include "vstgui/uidescription/uidescription.h"

namespace VSTGUI {

using namespace Steinberg;

namespace {
// Larger templates are taken as damage rather than handed to the host.
constexpr CCoord kMaxEditorSize = 16384.;
}

VST3Editor::VST3Editor (Vst::EditController* controller, UTF8StringPtr templateName,
                        UTF8StringPtr xmlFile)
: VSTGUIEditor (controller),
  templateName (templateName ? templateName : ""),
  delegate (dynamic_cast<VST3EditorDelegate*> (controller))
{
	try
	{
		description = std::make_unique<UIDescription> (xmlFile ? xmlFile : "");
		CPoint size;
		if (description->parse () && description->getTemplateSize (this->templateName.c_str (), size) &&
		    size.x <= kMaxEditorSize && size.y <= kMaxEditorSize)
		{
			rect = ViewRect (0, 0, static_cast<int32> (size.x), static_cast<int32> (size.y));
			sizeKnown = rect.getWidth () > 0 && rect.getHeight () > 0;
		}
	}
	catch (...)
	{
		description.reset ();
		sizeKnown = false;
	}
}

VST3Editor::~VST3Editor () { shutDown (); }

tresult PLUGIN_API VST3Editor::getSize (ViewRect* size)
{
	if (!size)
		return kInvalidArgument;
	if (!sizeKnown)
		return kResultFalse;
	*size = rect;
	return kResultTrue;
}

bool VST3Editor::open (void* parent, PlatformType type, IPlatformFrameConfig* config)
{
	if (!sizeKnown || !description)
		return false;
	try
	{
		auto newFrame = makeOwned<CFrame> (CRect (0, 0, rect.getWidth (), rect.getHeight ()), this);
		if (!newFrame->open (parent, type, config))
			return false;
		frame = newFrame.get ();
		frame->remember ();
		CView* view = description->createView (templateName.c_str (), this);
		if (!view)
		{
			tearDown ();
			return false;
		}
		if (!frame->addView (view))
		{
			view->forget ();
			tearDown ();
			return false;
		}
	}
	catch (...)
	{
		tearDown ();
		return false;
	}
	if (delegate)
		delegate->didOpen (this);
	return true;
}

void VST3Editor::close ()
{
	if (!frame)
		return;
	if (delegate)
		delegate->willClose (this);
	tearDown ();
}

void VST3Editor::tearDown ()
{
	// A gesture in progress ends while the bindings can still tell the host.
	if (frame)
		frame->close ();
	auto leaving = std::move (paramChangeListeners);
	paramChangeListeners.clear ();
	leaving.clear ();
	if (frame)
	{
		frame->forget ();
		frame = nullptr;
	}
}

ParameterChangeListener* VST3Editor::getParameterChangeListener (int32_t tag) const
{
	auto it = paramChangeListeners.find (tag);
	return it == paramChangeListeners.end () ? nullptr : it->second.get ();
}

void VST3Editor::bindControl (CControl* control)
{
	const int32_t tag = control->getTag ();
	if (tag == -1 || control->getListener () != this)
		return;
	if (ParameterChangeListener* listener = getParameterChangeListener (tag))
	{
		listener->addControl (control);
		return;
	}
	Vst::EditController* controller = getController ();
	Vst::Parameter* parameter =
	    controller ? controller->getParameterObject (static_cast<Vst::ParamID> (tag)) : nullptr;
	auto listener = owned (new ParameterChangeListener (controller, parameter, control));
	paramChangeListeners.emplace (tag, listener);
}

void VST3Editor::valueChanged (CControl* control)
{
	if (ParameterChangeListener* listener = getParameterChangeListener (control->getTag ()))
		listener->performEdit (control->getValueNormalized (), control);
}

void VST3Editor::controlBeginEdit (CControl* control)
{
	if (ParameterChangeListener* listener = getParameterChangeListener (control->getTag ()))
		listener->beginEdit ();
}

void VST3Editor::controlEndEdit (CControl* control)
{
	if (ParameterChangeListener* listener = getParameterChangeListener (control->getTag ()))
		listener->endEdit ();
}

void VST3Editor::controlTagWillChange (CControl* control)
{
	auto it = paramChangeListeners.find (control->getTag ());
	if (it == paramChangeListeners.end ())
		return;
	IPtr<ParameterChangeListener> listener = it->second;
	listener->removeControl (control);
	if (!listener->hasControls ())
		paramChangeListeners.erase (control->getTag ());
}

void VST3Editor::controlTagDidChange (CControl* control) { bindControl (control); }

CView* VST3Editor::verifyView (CView* view, const UIAttributes& attributes,
                               const IUIDescription* uiDescription)
{
	if (auto* control = dynamic_cast<CControl*> (view))
		bindControl (control);
	return delegate ? delegate->verifyView (view, attributes, uiDescription, this) : view;
}

IController* VST3Editor::createSubController (UTF8StringPtr name, const IUIDescription* uiDescription)
{
	return delegate ? delegate->createSubController (name, uiDescription, this) : nullptr;
}

} // namespace VSTGUI
