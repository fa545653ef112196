// A picture of the editor read back from a surface or a window: 32-bit
// 0x00RRGGBB pixels, row by row, and what tests ask of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Steinberg {

struct PixelRect
{
	int left;
	int top;
	int right;
	int bottom;
};

struct Picture
{
	int width = 0;
	int height = 0;
	std::vector<uint32_t> pixels;

	bool empty () const { return pixels.empty (); }
	uint32_t at (int x, int y) const { return pixels[static_cast<size_t> (y) * width + x]; }
	// Different colours within the rectangle; 1 for a blank one.
	size_t countColors (const PixelRect& rect) const;
	size_t countColors () const { return countColors ({0, 0, width, height}); }
	// Pixels that differ from the other picture's within the rectangle.
	size_t countDifferences (const Picture& other, const PixelRect& rect) const;
	// Pixels within the rectangle that are near the colour.
	size_t countNear (uint32_t rgb, const PixelRect& rect, int tolerance = 24) const;
};

// Writes the picture as a PNG file, making the folder first; false on failure.
bool savePng (const Picture& picture, const std::string& path);

// The folder under the build tree where tests leave their pictures.
std::string screenshotPath (const std::string& fileName);

} // namespace Steinberg
