// Forward declarations and the small shared types of the toolkit.
#pragma once

#include <cstdint>

namespace VSTGUI {

using CCoord = double;
using UTF8StringPtr = const char*;
using IdStringPtr = const char*;

// How knobs follow the mouse; the editor binding takes it from the host.
enum CKnobMode
{
	kCircularMode = 0,
	kRelativCircularMode,
	kLinearMode
};

// The kinds of native parent an editor can be embedded in.
enum class PlatformType : int32_t
{
	kX11EmbedWindowID
};

class CBaseObject;
class CView;
class CViewContainer;
class CFrame;
class CControl;
class CSliderBase;
class CSlider;
class CKnobBase;
class CKnob;
class COnOffButton;
class CParamDisplay;
class CTextLabel;
class COptionMenu;
class CVSTGUITimer;
class CDrawContext;
class CFontDesc;
struct CColor;
class CButtonState;
class UTF8String;
struct CPoint;
struct CRect;
struct VstKeyCode;

class IControlListener;
class IViewListener;
class IController;
class IUIDescription;
class IViewCreator;
class UIAttributes;
class UIDescription;
class UIViewFactory;
class VSTGUIEditorInterface;
class IPlatformFrame;
class IPlatformFrameConfig;
class IPlatformFrameCallback;
class IPlatformTimer;
class IPlatformTimerCallback;

} // namespace VSTGUI
