#include "vstgui/lib/controls/coptionmenu.h"

#include <cmath>

namespace VSTGUI {

COptionMenu::COptionMenu (const CRect& size) : CParamDisplay (size) {}

COptionMenu::~COptionMenu () noexcept = default;

void COptionMenu::addEntry (const UTF8String& title, int32_t index, int32_t itemFlags)
{
	if (index < 0 || index >= getNbEntries ())
		entries.push_back ({title, itemFlags});
	else
		entries.insert (entries.begin () + index, {title, itemFlags});
}

void COptionMenu::removeAllEntry () { entries.clear (); }

const COptionMenu::Entry* COptionMenu::getEntry (int32_t index) const
{
	if (index < 0 || index >= getNbEntries ())
		return nullptr;
	return &entries[static_cast<size_t> (index)];
}

int32_t COptionMenu::getCurrentIndex () const
{
	if (entries.empty ())
		return -1;
	const double index = std::round (static_cast<double> (getValue ()));
	if (!(index > 0.))
		return 0;
	if (index >= static_cast<double> (getNbEntries () - 1))
		return getNbEntries () - 1;
	return static_cast<int32_t> (index);
}

} // namespace VSTGUI
