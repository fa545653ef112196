#include "vstgui/lib/platform/linux/cairodrawcontext.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>

namespace VSTGUI {
namespace X11 {

namespace {

constexpr double kPi = 3.14159265358979323846;

void setSource (cairo_t* cairo, const CColor& color)
{
	cairo_set_source_rgba (cairo, color.red / 255., color.green / 255., color.blue / 255.,
	                       color.alpha / 255.);
}

void addRoundRect (cairo_t* cairo, const CRect& r, double radius)
{
	radius = std::min (radius, std::min (r.getWidth (), r.getHeight ()) / 2.);
	if (radius <= 0.)
	{
		cairo_rectangle (cairo, r.left, r.top, r.getWidth (), r.getHeight ());
		return;
	}
	cairo_new_sub_path (cairo);
	cairo_arc (cairo, r.right - radius, r.top + radius, radius, -kPi / 2., 0.);
	cairo_arc (cairo, r.right - radius, r.bottom - radius, radius, 0., kPi / 2.);
	cairo_arc (cairo, r.left + radius, r.bottom - radius, radius, kPi / 2., kPi);
	cairo_arc (cairo, r.left + radius, r.top + radius, radius, kPi, kPi * 1.5);
	cairo_close_path (cairo);
}

void addEllipse (cairo_t* cairo, const CRect& r)
{
	if (r.getWidth () <= 0. || r.getHeight () <= 0.)
		return;
	cairo_save (cairo);
	cairo_translate (cairo, r.left + r.getWidth () / 2., r.top + r.getHeight () / 2.);
	cairo_scale (cairo, r.getWidth () / 2., r.getHeight () / 2.);
	cairo_new_sub_path (cairo);
	cairo_arc (cairo, 0., 0., 1., 0., 2. * kPi);
	cairo_restore (cairo);
}

// Done as the module loads: the libraries come with it, and what they set
// up then stays reachable only while they stay.
const bool textLibrariesKept = (CairoDrawContext::keepTextLibrariesLoaded (), true);

} // namespace

// Applies the context's clip and origin to cairo for one primitive.
class CairoDrawContext::Scope
{
public:
	Scope (cairo_t* cairo, const State& state) : cairo (cairo)
	{
		cairo_save (cairo);
		const CRect& clip = state.clip;
		cairo_new_path (cairo);
		cairo_rectangle (cairo, clip.left, clip.top, std::max (0., clip.getWidth ()),
		                 std::max (0., clip.getHeight ()));
		cairo_clip (cairo);
		cairo_translate (cairo, state.origin.x, state.origin.y);
		cairo_set_line_width (cairo, state.lineWidth);
		cairo_set_line_cap (cairo, state.lineCap == kLineCapRound ? CAIRO_LINE_CAP_ROUND
		                                                          : CAIRO_LINE_CAP_BUTT);
	}
	~Scope () { cairo_restore (cairo); }

	Scope (const Scope&) = delete;
	Scope& operator= (const Scope&) = delete;

private:
	cairo_t* cairo;
};

CairoDrawContext::CairoDrawContext (cairo_t* cairo, const CRect& surfaceRect)
: CDrawContext (surfaceRect), cairo (cairo)
{
}

CairoDrawContext::~CairoDrawContext () noexcept
{
	if (pango)
		g_object_unref (pango);
}

void CairoDrawContext::keepTextLibrariesLoaded ()
{
	static const bool kept = [] {
		// Marks the already loaded library and, with it, what it needs.
		void* library = dlopen ("libpangocairo-1.0.so.0", RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
		if (library)
			dlclose (library);
		return library != nullptr;
	}();
	(void)kept;
}

void CairoDrawContext::drawLine (const CPoint& start, const CPoint& end)
{
	const State& state = getState ();
	if (!state.frameColor.isVisible () || state.lineWidth <= 0.)
		return;
	Scope scope (cairo, state);
	setSource (cairo, state.frameColor);
	cairo_move_to (cairo, start.x, start.y);
	cairo_line_to (cairo, end.x, end.y);
	cairo_stroke (cairo);
}

template <typename Path>
void CairoDrawContext::drawShape (const CRect& rect, CDrawStyle style, Path path)
{
	const State& state = getState ();
	const bool fill = style != kDrawStroked && state.fillColor.isVisible ();
	const bool stroke =
	    style != kDrawFilled && state.frameColor.isVisible () && state.lineWidth > 0.;
	if ((!fill && !stroke) || rect.isEmpty ())
		return;
	Scope scope (cairo, state);
	if (fill)
	{
		path (rect);
		setSource (cairo, state.fillColor);
		cairo_fill (cairo);
	}
	if (stroke)
	{
		// Inside the rectangle: the line's middle runs half its width in.
		CRect inner (rect);
		const CCoord half = std::min (state.lineWidth, std::min (rect.getWidth (), rect.getHeight ())) / 2.;
		inner.inset (half, half);
		path (inner);
		setSource (cairo, state.frameColor);
		cairo_stroke (cairo);
	}
}

void CairoDrawContext::drawRect (const CRect& rect, CDrawStyle style)
{
	drawShape (rect, style, [this] (const CRect& r) {
		cairo_rectangle (cairo, r.left, r.top, r.getWidth (), r.getHeight ());
	});
}

void CairoDrawContext::drawRoundRect (const CRect& rect, CCoord radius, CDrawStyle style)
{
	drawShape (rect, style, [this, radius, &rect] (const CRect& r) {
		// The stroke's corners follow those of the fill.
		const CCoord inset = r.left - rect.left;
		addRoundRect (cairo, r, std::max (0., radius - inset));
	});
}

void CairoDrawContext::drawEllipse (const CRect& rect, CDrawStyle style)
{
	drawShape (rect, style, [this] (const CRect& r) { addEllipse (cairo, r); });
}

void CairoDrawContext::drawArc (const CRect& rect, double startAngle, double endAngle)
{
	const State& state = getState ();
	if (!state.frameColor.isVisible () || state.lineWidth <= 0. || rect.isEmpty () ||
	    !(endAngle > startAngle))
		return;
	const CCoord radius =
	    (std::min (rect.getWidth (), rect.getHeight ()) - state.lineWidth) / 2.;
	if (radius <= 0.)
		return;
	Scope scope (cairo, state);
	const CPoint centre = rect.getCenter ();
	setSource (cairo, state.frameColor);
	cairo_new_sub_path (cairo);
	cairo_arc (cairo, centre.x, centre.y, radius, startAngle, endAngle);
	cairo_stroke (cairo);
}

PangoLayout* CairoDrawContext::layoutFor (const std::string& text)
{
	if (!pango)
		pango = pango_cairo_create_context (cairo);
	if (!pango)
		return nullptr;
	PangoLayout* layout = pango_layout_new (pango);
	if (!layout)
		return nullptr;
	const CFontDesc& font = getState ().font;
	PangoFontDescription* description = pango_font_description_new ();
	pango_font_description_set_family (
	    description, font.getName ().empty () ? kDefaultFontFamily : font.getName ().c_str ());
	pango_font_description_set_absolute_size (description, font.getSize () * PANGO_SCALE);
	pango_font_description_set_weight (
	    description, (font.getStyle () & kBoldFace) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
	pango_font_description_set_style (
	    description, (font.getStyle () & kItalicFace) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
	pango_layout_set_font_description (layout, description);
	pango_font_description_free (description);
	pango_layout_set_single_paragraph_mode (layout, TRUE);
	pango_layout_set_text (layout, text.c_str (), static_cast<int> (text.size ()));
	return layout;
}

void CairoDrawContext::drawString (const std::string& text, const CRect& rect, CHoriTxtAlign align)
{
	const State& state = getState ();
	if (text.empty () || !state.fontColor.isVisible () || rect.isEmpty ())
		return;
	PangoLayout* layout = layoutFor (text);
	if (!layout)
		return;
	pango_layout_set_width (layout, static_cast<int> (rect.getWidth () * PANGO_SCALE));
	pango_layout_set_ellipsize (layout, PANGO_ELLIPSIZE_END);
	PangoRectangle logical {};
	pango_layout_get_pixel_extents (layout, nullptr, &logical);
	CCoord x = rect.left;
	if (align == kCenterText)
		x += (rect.getWidth () - logical.width) / 2.;
	else if (align == kRightText)
		x += rect.getWidth () - logical.width;
	const CCoord y = rect.top + (rect.getHeight () - logical.height) / 2.;
	{
		Scope scope (cairo, state);
		setSource (cairo, state.fontColor);
		// Whole pixels keep the glyphs crisp.
		cairo_move_to (cairo, std::round (x) - logical.x, std::round (y) - logical.y);
		pango_cairo_update_context (cairo, pango);
		pango_layout_context_changed (layout);
		pango_cairo_show_layout (cairo, layout);
	}
	g_object_unref (layout);
}

CCoord CairoDrawContext::getStringWidth (const std::string& text)
{
	if (text.empty ())
		return 0.;
	PangoLayout* layout = layoutFor (text);
	if (!layout)
		return 0.;
	PangoRectangle logical {};
	pango_layout_get_pixel_extents (layout, nullptr, &logical);
	g_object_unref (layout);
	return logical.width;
}

} // namespace X11
} // namespace VSTGUI
