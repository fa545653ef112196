#include "vstgui/uidescription/viewcreator/textlabelcreator.h"

#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/uidescription/uiattributes.h"

namespace VSTGUI {
namespace UIViewCreator {

CView* TextLabelCreator::create (const UIAttributes&, const IUIDescription*) const
{
	return new CTextLabel (CRect ());
}

bool TextLabelCreator::apply (CView* view, const UIAttributes& attributes,
                              const IUIDescription*) const
{
	auto* label = dynamic_cast<CTextLabel*> (view);
	if (!label)
		return false;
	if (const std::string* title = attributes.getAttributeValue ("title"))
		label->setText (*title);
	return true;
}

bool TextLabelCreator::getAttributeNames (StringList& attributeNames) const
{
	attributeNames.emplace_back ("title");
	return true;
}

IViewCreator::AttrType TextLabelCreator::getAttributeType (const std::string& attributeName) const
{
	return attributeName == "title" ? kStringType : kUnknownType;
}

bool TextLabelCreator::getAttributeValue (CView* view, const std::string& attributeName,
                                          std::string& stringValue, const IUIDescription*) const
{
	auto* label = dynamic_cast<CTextLabel*> (view);
	if (!label || attributeName != "title")
		return false;
	stringValue = label->getText ().getString ();
	return true;
}

} // namespace UIViewCreator
} // namespace VSTGUI
