#include "picture.h"

#include <cairo.h>

#include <cstdlib>
#include <set>
#include <sys/stat.h>

namespace Steinberg {

namespace {

int channelDistance (uint32_t a, uint32_t b, int shift)
{
	return std::abs (static_cast<int> ((a >> shift) & 0xff) - static_cast<int> ((b >> shift) & 0xff));
}

bool makeFolders (const std::string& path)
{
	for (size_t slash = path.find ('/', 1); slash != std::string::npos;
	     slash = path.find ('/', slash + 1))
		mkdir (path.substr (0, slash).c_str (), 0755);
	return true;
}

} // namespace

size_t Picture::countColors (const PixelRect& rect) const
{
	std::set<uint32_t> colors;
	for (int y = rect.top; y < rect.bottom && y < height; ++y)
		for (int x = rect.left; x < rect.right && x < width; ++x)
			colors.insert (at (x, y) & 0xffffff);
	return colors.size ();
}

size_t Picture::countDifferences (const Picture& other, const PixelRect& rect) const
{
	size_t count = 0;
	for (int y = rect.top; y < rect.bottom && y < height && y < other.height; ++y)
		for (int x = rect.left; x < rect.right && x < width && x < other.width; ++x)
			count += (at (x, y) & 0xffffff) != (other.at (x, y) & 0xffffff);
	return count;
}

size_t Picture::countNear (uint32_t rgb, const PixelRect& rect, int tolerance) const
{
	size_t count = 0;
	for (int y = rect.top; y < rect.bottom && y < height; ++y)
		for (int x = rect.left; x < rect.right && x < width; ++x)
		{
			const uint32_t p = at (x, y);
			if (channelDistance (p, rgb, 16) <= tolerance && channelDistance (p, rgb, 8) <= tolerance &&
			    channelDistance (p, rgb, 0) <= tolerance)
				++count;
		}
	return count;
}

bool savePng (const Picture& picture, const std::string& path)
{
	if (picture.empty ())
		return false;
	makeFolders (path);
	cairo_surface_t* surface =
	    cairo_image_surface_create (CAIRO_FORMAT_RGB24, picture.width, picture.height);
	if (cairo_surface_status (surface) != CAIRO_STATUS_SUCCESS)
	{
		cairo_surface_destroy (surface);
		return false;
	}
	cairo_surface_flush (surface);
	unsigned char* data = cairo_image_surface_get_data (surface);
	const int stride = cairo_image_surface_get_stride (surface);
	for (int y = 0; y < picture.height; ++y)
	{
		auto* row = reinterpret_cast<uint32_t*> (data + y * stride);
		for (int x = 0; x < picture.width; ++x)
			row[x] = picture.at (x, y) & 0xffffff;
	}
	cairo_surface_mark_dirty (surface);
	const bool written = cairo_surface_write_to_png (surface, path.c_str ()) == CAIRO_STATUS_SUCCESS;
	cairo_surface_destroy (surface);
	return written;
}

std::string screenshotPath (const std::string& fileName)
{
	return std::string (DERAZID_SCREENSHOT_DIR) + "/" + fileName;
}

} // namespace Steinberg
