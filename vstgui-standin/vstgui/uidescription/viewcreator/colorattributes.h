// The colour attributes of a view class as a table of names and the view's
// getters and setters, so that each creator applies, lists and reads them
// the same way.
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/uidescription/iviewcreator.h"
#include "vstgui/uidescription/uiattributes.h"

#include <cstddef>
#include <string>

namespace VSTGUI {
namespace UIViewCreator {

template <typename View>
struct ColorAttribute
{
	const char* name;
	const CColor& (View::*get) () const;
	void (View::*set) (const CColor&);
};

// Sets every colour the attributes name in a readable form; others stay.
template <typename View, size_t N>
void applyColorAttributes (View& view, const UIAttributes& attributes,
                           const ColorAttribute<View> (&table)[N])
{
	for (const auto& entry : table)
	{
		CColor color;
		if (attributes.getColorAttribute (entry.name, color))
			(view.*entry.set) (color);
	}
}

template <typename View, size_t N>
void appendColorAttributeNames (IViewCreator::StringList& names,
                                const ColorAttribute<View> (&table)[N])
{
	for (const auto& entry : table)
		names.emplace_back (entry.name);
}

template <typename View, size_t N>
bool isColorAttribute (const std::string& name, const ColorAttribute<View> (&table)[N])
{
	for (const auto& entry : table)
	{
		if (name == entry.name)
			return true;
	}
	return false;
}

template <typename View, size_t N>
bool readColorAttribute (const View& view, const std::string& name, std::string& value,
                         const ColorAttribute<View> (&table)[N])
{
	for (const auto& entry : table)
	{
		if (name == entry.name)
		{
			value = UIAttributes::colorToString ((view.*entry.get) ());
			return true;
		}
	}
	return false;
}

} // namespace UIViewCreator
} // namespace VSTGUI
