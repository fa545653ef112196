// A menu of text entries whose value is the index of the selected entry. It
// holds the entries only: no pop-up is shown yet.
#pragma once

#include "vstgui/lib/controls/cparamdisplay.h"
#include "vstgui/lib/cstring.h"

#include <vector>

namespace VSTGUI {

class COptionMenu : public CParamDisplay
{
public:
	struct Entry
	{
		UTF8String title;
		int32_t flags;
	};

	explicit COptionMenu (const CRect& size);
	~COptionMenu () noexcept override;

	// At the index, or at the end for -1 or an index past the last entry.
	void addEntry (const UTF8String& title, int32_t index = -1, int32_t itemFlags = 0);
	void removeAllEntry ();
	int32_t getNbEntries () const { return static_cast<int32_t> (entries.size ()); }
	// None outside the entries.
	const Entry* getEntry (int32_t index) const;

	// The value as an entry's index, held within the entries; -1 without any.
	int32_t getCurrentIndex () const;

private:
	std::vector<Entry> entries;
};

} // namespace VSTGUI
