// The root of a view tree: it stands for the native window the editor is
// embedded in, and it is the one entry of mouse and key events into the
// tree. Keys go to the view under the pointer, and when that one does not
// use them, to the focus view: the one that last took a press or the wheel.
#pragma once

#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/lib/platform/iplatformframe.h"

#include <memory>

namespace VSTGUI {

class CFrame : public CViewContainer, private IPlatformFrameCallback
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

	// Left when the view leaves the frame.
	void setFocusView (CView* view) { focusView = view; }
	CView* getFocusView () const { return focusView; }

	int32_t onKeyDown (VstKeyCode& keyCode) override;
	int32_t onKeyUp (VstKeyCode& keyCode) override;

private:
	using KeyHandler = int32_t (CView::*) (VstKeyCode&);
	int32_t dispatchKey (VstKeyCode& keyCode, KeyHandler handler);
	void pointerAt (const CPoint& where);
	// After a press or a wheel tick the view took.
	void focusAt (const CPoint& where);

	// The native frame's way in: drawing and mouse events, each holding the
	// frame alive while the views handle it.
	void platformDrawRect (CDrawContext* context, const CRect& rect) override;
	CMouseEventResult platformOnMouseDown (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult platformOnMouseMoved (CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult platformOnMouseUp (CPoint& where, const CButtonState& buttons) override;
	bool platformOnMouseWheel (const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	                           const CButtonState& buttons) override;
	void platformOnMouseExited () override;
	bool platformOnKeyDown (VstKeyCode& keyCode) override;
	bool platformOnKeyUp (VstKeyCode& keyCode) override;

	VSTGUIEditorInterface* editor;
	std::unique_ptr<IPlatformFrame> platformFrame;
	CView* focusView {nullptr};
	CPoint pointer;
	bool pointerInside {false};
};

} // namespace VSTGUI
