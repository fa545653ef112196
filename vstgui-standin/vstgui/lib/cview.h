// The base of everything the toolkit shows: a rectangle in its parent's
// coordinates, mouse handlers, view listeners and, for a view that a UI
// description gave a sub-controller, that sub-controller.
#pragma once

#include "vstgui/lib/crect.h"
#include "vstgui/lib/cbuttonstate.h"
#include "vstgui/lib/vstguibase.h"

#include <vector>

namespace VSTGUI {

enum CMouseEventResult : int32_t
{
	kMouseEventHandled = 1,
	kMouseEventNotHandled = 2,
	kMouseDownEventHandledButDontNeedMovedOrUpEvents = 3,
};

enum CMouseWheelAxis : int32_t
{
	kMouseWheelAxisX = 0,
	kMouseWheelAxisY,
};

class CView : public CBaseObject
{
public:
	explicit CView (const CRect& size);
	~CView () noexcept override;

	const CRect& getViewSize () const { return viewSize; }
	virtual void setViewSize (const CRect& rect);

	bool getMouseEnabled () const { return mouseEnabled; }
	virtual void setMouseEnabled (bool state) { mouseEnabled = state; }
	bool isVisible () const { return visible; }
	void setVisible (bool state) { visible = state; }

	// The mouse handlers get positions in the coordinates of getViewSize.
	virtual CMouseEventResult onMouseDown (CPoint& where, const CButtonState& buttons);
	virtual CMouseEventResult onMouseUp (CPoint& where, const CButtonState& buttons);
	virtual CMouseEventResult onMouseMoved (CPoint& where, const CButtonState& buttons);
	virtual CMouseEventResult onMouseCancel ();
	// A wheel turned by distance steps, positive up or to the right; true
	// when the view used it.
	virtual bool onWheel (const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	                      const CButtonState& buttons);
	// A key pressed or let go while the view has the keyboard: 1 when the
	// view used it, -1 when not.
	virtual int32_t onKeyDown (VstKeyCode& keyCode);
	virtual int32_t onKeyUp (VstKeyCode& keyCode);

	// Draws the view at getViewSize in the context's current coordinates.
	virtual void draw (CDrawContext* context);

	// Marks the view clean and asks for it to be redrawn.
	virtual void invalid ();
	virtual void invalidRect (const CRect& rect);
	virtual bool isDirty () const { return dirty; }
	virtual void setDirty (bool state = true) { dirty = state; }

	CView* getParentView () const { return parentView; }
	CFrame* getFrame () const { return parentFrame; }
	bool isAttached () const { return attachedToFrame; }
	// Joining and leaving a frame's view tree; the parent calls these.
	virtual bool attached (CView* parent);
	virtual bool removed (CView* parent);
	void setParentView (CView* parent) { parentView = parent; }

	virtual CViewContainer* asViewContainer () { return nullptr; }

	void registerViewListener (IViewListener* listener);
	void unregisterViewListener (IViewListener* listener);

	// The view owns its sub-controller and deletes it after its children.
	void setSubController (IController* controller);
	IController* getSubController () const { return subController; }

	void beforeDelete () override;

protected:
	void setFrame (CFrame* frame) { parentFrame = frame; }

private:
	CRect viewSize;
	CView* parentView {nullptr};
	CFrame* parentFrame {nullptr};
	IController* subController {nullptr};
	std::vector<IViewListener*> viewListeners;
	bool mouseEnabled {true};
	bool visible {true};
	bool dirty {false};
	bool attachedToFrame {false};
};

} // namespace VSTGUI
