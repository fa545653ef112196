// The root of a view tree: it stands for the native window the editor is
// embedded in, and it is the one entry of mouse events into the tree.
#pragma once

#include "vstgui/lib/cviewcontainer.h"

#include <memory>

namespace VSTGUI {

class CFrame : public CViewContainer
{
public:
	CFrame (const CRect& size, VSTGUIEditorInterface* editor);
	~CFrame () noexcept override;

	// Embeds the frame in the native parent; false leaves it closed.
	bool open (void* parent, PlatformType type, IPlatformFrameConfig* config = nullptr);
	// Cancels a gesture in progress, removes every view and leaves the native
	// parent. The caller keeps its reference.
	void close ();
	bool isOpen () const { return platformFrame != nullptr; }
	IPlatformFrame* getPlatformFrame () const { return platformFrame.get (); }

	VSTGUIEditorInterface* getEditor () const { return editor; }
	// The editor's knob mode; circular without an editor.
	int32_t getKnobMode () const;

	void invalidRect (const CRect& rect) override;

private:
	VSTGUIEditorInterface* editor;
	std::unique_ptr<IPlatformFrame> platformFrame;
};

} // namespace VSTGUI
