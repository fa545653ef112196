// Draws views with the platform's cairo context on an image, without X, and
// reads the result back as a picture.
#pragma once

#include "picture.h"

#include "vstgui/lib/cview.h"
#include "vstgui/lib/platform/linux/cairodrawcontext.h"

#include <cairo.h>

#include <functional>

namespace Steinberg {

// Calls draw with a context on a black image of the size and returns the image.
inline Picture drawOffscreen (int width, int height,
                              const std::function<void (VSTGUI::CDrawContext&)>& draw)
{
	Picture picture;
	cairo_surface_t* surface = cairo_image_surface_create (CAIRO_FORMAT_RGB24, width, height);
	if (cairo_surface_status (surface) != CAIRO_STATUS_SUCCESS)
	{
		cairo_surface_destroy (surface);
		return picture;
	}
	cairo_t* cairo = cairo_create (surface);
	cairo_set_source_rgb (cairo, 0., 0., 0.);
	cairo_paint (cairo);
	{
		VSTGUI::X11::CairoDrawContext context (cairo, VSTGUI::CRect (0, 0, width, height));
		draw (context);
	}
	cairo_destroy (cairo);
	cairo_surface_flush (surface);
	picture.width = width;
	picture.height = height;
	picture.pixels.resize (static_cast<size_t> (width) * height);
	const unsigned char* data = cairo_image_surface_get_data (surface);
	const int stride = cairo_image_surface_get_stride (surface);
	for (int y = 0; y < height; ++y)
	{
		const auto* row = reinterpret_cast<const uint32_t*> (data + y * stride);
		for (int x = 0; x < width; ++x)
			picture.pixels[static_cast<size_t> (y) * width + x] = row[x] & 0xffffff;
	}
	cairo_surface_destroy (surface);
	return picture;
}

inline Picture drawOffscreen (VSTGUI::CView& view)
{
	const VSTGUI::CRect& size = view.getViewSize ();
	return drawOffscreen (static_cast<int> (size.right), static_cast<int> (size.bottom),
	                      [&] (VSTGUI::CDrawContext& context) { view.draw (&context); });
}

} // namespace Steinberg
