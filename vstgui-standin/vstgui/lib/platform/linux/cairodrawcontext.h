// The drawing context of the Linux platform: cairo on any cairo surface, text
// laid out by Pango. It draws on the cairo context it is given and leaves
// that context's own state as it found it.
#pragma once

#include "vstgui/lib/cdrawcontext.h"

typedef struct _cairo cairo_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace VSTGUI {
namespace X11 {

class CairoDrawContext : public CDrawContext
{
public:
	// The family used where a font names none.
	static constexpr const char* kDefaultFontFamily = "DejaVu Sans";

	// The surface rectangle bounds the clip; the caller keeps the cairo
	// context.
	CairoDrawContext (cairo_t* cairo, const CRect& surfaceRect);
	~CairoDrawContext () noexcept override;

	void drawLine (const CPoint& start, const CPoint& end) override;
	void drawRect (const CRect& rect, CDrawStyle style = kDrawStroked) override;
	void drawRoundRect (const CRect& rect, CCoord radius, CDrawStyle style = kDrawStroked) override;
	void drawEllipse (const CRect& rect, CDrawStyle style = kDrawStroked) override;
	void drawArc (const CRect& rect, double startAngle, double endAngle) override;
	void drawString (const std::string& text, const CRect& rect,
	                 CHoriTxtAlign align = kCenterText) override;
	CCoord getStringWidth (const std::string& text) override;

	// Pango registers its types with GObject, which stays loaded for good: a
	// Pango unloaded with the module and loaded again would find its types
	// taken and fail. So the text libraries, and what they need, stay loaded
	// once the module brought them in; this runs as the module loads.
	static void keepTextLibrariesLoaded ();

private:
	class Scope;
	template <typename Path>
	void drawShape (const CRect& rect, CDrawStyle style, Path path);
	PangoLayout* layoutFor (const std::string& text);

	cairo_t* cairo;
	PangoContext* pango {nullptr};
};

} // namespace X11
} // namespace VSTGUI
