// The editor of a VST3 edit controller, built from a template of a UI
// description. It holds a reference on the controller, binds every control
// whose tag is set and whose listener it is to the parameter of that
// identifier, and lets the controller's VST3EditorDelegate side supply
// sub-controllers.
#pragma once

#include "vstgui/plugin-bindings/vstguieditor.h"
#include "vstgui/uidescription/icontroller.h"

#include "pluginterfaces/base/smartpointer.h"

#include <map>
#include <memory>
#include <string>

namespace VSTGUI {

class ParameterChangeListener;
class VST3EditorDelegate;

class VST3Editor : public VSTGUIEditor, public IController
{
public:
	// The description is read at once, so that the host can ask the size.
	VST3Editor (Steinberg::Vst::EditController* controller, UTF8StringPtr templateName,
	            UTF8StringPtr xmlFile);
	~VST3Editor () override;

	// The template's size; false when the description or the template is
	// missing.
	Steinberg::tresult PLUGIN_API getSize (Steinberg::ViewRect* size) override;

	UIDescription* getUIDescription () const { return description.get (); }
	VST3EditorDelegate* getDelegate () const { return delegate; }
	// The binding of a tag, if any control is bound to it.
	ParameterChangeListener* getParameterChangeListener (int32_t tag) const;

	void valueChanged (CControl* control) override;
	void controlBeginEdit (CControl* control) override;
	void controlEndEdit (CControl* control) override;
	void controlTagWillChange (CControl* control) override;
	void controlTagDidChange (CControl* control) override;
	CView* verifyView (CView* view, const UIAttributes& attributes,
	                   const IUIDescription* description) override;
	IController* createSubController (UTF8StringPtr name,
	                                  const IUIDescription* description) override;

protected:
	bool open (void* parent, PlatformType type, IPlatformFrameConfig* config) override;
	void close () override;

private:
	void bindControl (CControl* control);
	void tearDown ();

	std::string templateName;
	std::unique_ptr<UIDescription> description;
	VST3EditorDelegate* delegate;
	std::map<int32_t, Steinberg::IPtr<ParameterChangeListener>> paramChangeListeners;
	bool sizeKnown {false};
};

} // namespace VSTGUI
