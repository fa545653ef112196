// A UI description read from its XML file: the control-tag names and the
// templates, from which it builds view trees for a controller. Other sections
// are skipped.
#pragma once

#include "vstgui/uidescription/iuidescription.h"
#include "vstgui/uidescription/uiattributes.h"
#include "vstgui/uidescription/uiviewfactory.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace VSTGUI {

class UIDescription : public IUIDescription
{
public:
	// A name without a slash is looked up among the module's resources.
	explicit UIDescription (const std::string& fileName);
	~UIDescription () noexcept override;

	UIDescription (const UIDescription&) = delete;
	UIDescription& operator= (const UIDescription&) = delete;

	// Reads the file once; false for a missing, unreadable or malformed file.
	bool parse ();
	bool isParsed () const { return parsed; }
	const std::string& getFilePath () const { return filePath; }

	// The view tree of a template (one reference for the caller), its views
	// verified by the controller and, below a view naming a sub-controller,
	// by that sub-controller; none for an unknown template.
	CView* createView (UTF8StringPtr templateName, IController* controller);
	// The attributes of a template's root element.
	const UIAttributes* getViewAttributes (UTF8StringPtr templateName) const;
	// The template's size attribute.
	bool getTemplateSize (UTF8StringPtr templateName, CPoint& size) const;

	int32_t getTagForName (UTF8StringPtr name) const override;
	bool lookupControlTagName (int32_t tag, std::string& name) const override;
	IControlListener* getControlListener (UTF8StringPtr name) const override;
	IController* getController () const override { return controller; }

	struct Node
	{
		std::string name;
		UIAttributes attributes;
		std::vector<std::unique_ptr<Node>> children;
	};

private:
	const Node* findTemplate (UTF8StringPtr name) const;
	CView* createViewFromNode (const Node& node);

	std::string filePath;
	std::unique_ptr<Node> root;
	std::map<std::string, int32_t> controlTags;
	UIViewFactory viewFactory;
	IController* controller {nullptr};
	bool parsed {false};
};

} // namespace VSTGUI
