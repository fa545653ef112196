// A creator of one view class from UI description attributes, and the reader
// of those attributes back from a view.
#pragma once

#include "vstgui/lib/vstguifwd.h"

#include <list>
#include <string>

namespace VSTGUI {

class IViewCreator
{
public:
	enum AttrType
	{
		kUnknownType,
		kBooleanType,
		kIntegerType,
		kFloatType,
		kStringType,
		kPointType,
		kTagType,
		kListType,
		kColorType,
		kFontType,
	};

	using StringList = std::list<std::string>;
	using ConstStringPtrList = std::list<const std::string*>;

	virtual ~IViewCreator () noexcept = default;

	virtual IdStringPtr getViewName () const = 0;
	// The class whose attributes this one's views also take; none at the root.
	virtual IdStringPtr getBaseViewName () const = 0;
	virtual CView* create (const UIAttributes& attributes, const IUIDescription* description) const = 0;
	// Applies this class's own attributes; false for a view not of the class.
	virtual bool apply (CView* view, const UIAttributes& attributes,
	                    const IUIDescription* description) const = 0;
	virtual bool getAttributeNames (StringList& attributeNames) const = 0;
	virtual AttrType getAttributeType (const std::string& attributeName) const = 0;
	virtual bool getAttributeValue (CView* view, const std::string& attributeName,
	                                std::string& stringValue,
	                                const IUIDescription* description) const = 0;
	virtual bool getPossibleListValues (const std::string& attributeName,
	                                    ConstStringPtrList& values) const = 0;
	virtual bool getAttributeValueRange (const std::string& attributeName, double& minValue,
	                                     double& maxValue) const = 0;
	virtual UTF8StringPtr getDisplayName () const = 0;
};

// An IViewCreator that knows no attributes; creators override what they have.
class ViewCreatorAdapter : public IViewCreator
{
public:
	bool apply (CView*, const UIAttributes&, const IUIDescription*) const override { return true; }
	bool getAttributeNames (StringList&) const override { return true; }
	AttrType getAttributeType (const std::string&) const override { return kUnknownType; }
	bool getAttributeValue (CView*, const std::string&, std::string&,
	                        const IUIDescription*) const override
	{
		return false;
	}
	bool getPossibleListValues (const std::string&, ConstStringPtrList&) const override
	{
		return false;
	}
	bool getAttributeValueRange (const std::string&, double&, double&) const override
	{
		return false;
	}
	UTF8StringPtr getDisplayName () const override { return getViewName (); }
};

} // namespace VSTGUI
