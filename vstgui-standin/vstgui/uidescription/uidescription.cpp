#include "vstgui/uidescription/uidescription.h"

#include "vstgui/lib/cview.h"
#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/lib/platform/linux/x11platform.h"
#include "vstgui/lib/sharedpointer.h"
#include "vstgui/uidescription/icontroller.h"

#include <expat.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace VSTGUI {

namespace {

// Deeper nesting than any description needs is taken as damage.
constexpr size_t kMaxDepth = 64;

class Reader
{
public:
	using Node = UIDescription::Node;

	std::unique_ptr<Node> read (const std::string& path)
	{
		std::unique_ptr<std::FILE, int (*) (std::FILE*)> file (std::fopen (path.c_str (), "rb"),
		                                                      &std::fclose);
		if (!file)
			return nullptr;
		std::unique_ptr<XML_ParserStruct, void (*) (XML_Parser)> parser (XML_ParserCreate (nullptr),
		                                                               &XML_ParserFree);
		if (!parser)
			return nullptr;
		XML_SetUserData (parser.get (), this);
		XML_SetElementHandler (parser.get (), &Reader::startElement, &Reader::endElement);
		char buffer[8192];
		bool done = false;
		while (!done)
		{
			size_t count = std::fread (buffer, 1, sizeof (buffer), file.get ());
			if (std::ferror (file.get ()))
				return nullptr;
			done = count < sizeof (buffer);
			if (XML_Parse (parser.get (), buffer, static_cast<int> (count), done) == XML_STATUS_ERROR)
				return nullptr;
			if (failed)
				return nullptr;
		}
		if (!stack.empty () || !root || root->name != "vstgui-ui-description")
			return nullptr;
		return std::move (root);
	}

private:
	static void XMLCALL startElement (void* userData, const XML_Char* name, const XML_Char** atts)
	{
		auto* reader = static_cast<Reader*> (userData);
		try
		{
			reader->start (name, atts);
		}
		catch (...)
		{
			reader->fail ();
		}
	}

	static void XMLCALL endElement (void* userData, const XML_Char*)
	{
		auto* reader = static_cast<Reader*> (userData);
		if (!reader->stack.empty ())
			reader->stack.pop_back ();
	}

	void start (const XML_Char* name, const XML_Char** atts)
	{
		if (failed)
			return;
		if (stack.size () >= kMaxDepth || (stack.empty () && root))
		{
			fail ();
			return;
		}
		auto node = std::make_unique<Node> ();
		node->name = name;
		for (size_t i = 0; atts && atts[i] && atts[i + 1]; i += 2)
			node->attributes.setAttribute (atts[i], atts[i + 1]);
		Node* added = node.get ();
		if (stack.empty ())
			root = std::move (node);
		else
			stack.back ()->children.push_back (std::move (node));
		stack.push_back (added);
	}

	void fail ()
	{
		failed = true;
		stack.clear ();
	}

	std::unique_ptr<Node> root;
	std::vector<Node*> stack;
	bool failed {false};
};

// Makes a controller the current one for the views of a subtree.
class ControllerScope
{
public:
	ControllerScope (IController*& current, IController* replacement)
	: current (current), previous (current)
	{
		if (replacement)
			current = replacement;
	}
	~ControllerScope () { current = previous; }

private:
	IController*& current;
	IController* previous;
};

} // namespace

UIDescription::UIDescription (const std::string& fileName)
: filePath (X11::Platform::resolveResource (fileName))
{
}

UIDescription::~UIDescription () noexcept = default;

bool UIDescription::parse ()
{
	if (parsed)
		return true;
	if (filePath.empty ())
		return false;
	root = Reader ().read (filePath);
	if (!root)
		return false;
	for (const auto& section : root->children)
	{
		if (section->name != "control-tags")
			continue;
		for (const auto& entry : section->children)
		{
			const std::string* name = entry->attributes.getAttributeValue ("name");
			int32_t tag = -1;
			if (entry->name == "control-tag" && name &&
			    entry->attributes.getIntegerAttribute ("tag", tag))
				controlTags.emplace (*name, tag);
		}
	}
	parsed = true;
	return true;
}

const UIDescription::Node* UIDescription::findTemplate (UTF8StringPtr name) const
{
	if (!root || !name)
		return nullptr;
	for (const auto& section : root->children)
	{
		const std::string* templateName = section->attributes.getAttributeValue ("name");
		if (section->name == "template" && templateName && *templateName == name)
			return section.get ();
	}
	return nullptr;
}

const UIAttributes* UIDescription::getViewAttributes (UTF8StringPtr templateName) const
{
	const Node* node = findTemplate (templateName);
	return node ? &node->attributes : nullptr;
}

bool UIDescription::getTemplateSize (UTF8StringPtr templateName, CPoint& size) const
{
	const UIAttributes* attributes = getViewAttributes (templateName);
	CPoint result;
	if (!attributes || !attributes->getPointAttribute ("size", result) || result.x <= 0. ||
	    result.y <= 0.)
		return false;
	size = result;
	return true;
}

CView* UIDescription::createView (UTF8StringPtr templateName, IController* forController)
{
	const Node* node = findTemplate (templateName);
	if (!node)
		return nullptr;
	ControllerScope scope (controller, forController);
	controller = forController;
	return createViewFromNode (*node);
}

CView* UIDescription::createViewFromNode (const Node& node)
{
	UIAttributes attributes = node.attributes;
	// A template names its class like any view; without one it is a container.
	if (node.name == "template" && !attributes.hasAttribute ("class"))
		attributes.setAttribute ("class", "CViewContainer");

	std::unique_ptr<IController> subController;
	const std::string* subControllerName = attributes.getAttributeValue ("sub-controller");
	if (subControllerName && controller)
		subController.reset (controller->createSubController (subControllerName->c_str (), this));
	ControllerScope scope (controller, subController.get ());

	SharedPointer<CView> view (viewFactory.createView (attributes, this), false);
	if (!view)
		return nullptr;
	if (controller)
	{
		CView* verified = controller->verifyView (view.get (), attributes, this);
		if (verified != view.get ())
			view = SharedPointer<CView> (verified, false);
		if (!view)
			return nullptr;
	}
	if (subController)
		view->setSubController (subController.release ());
	if (CViewContainer* container = view->asViewContainer ())
	{
		for (const auto& child : node.children)
		{
			if (child->name != "view")
				continue;
			if (CView* childView = createViewFromNode (*child))
			{
				if (!container->addView (childView))
					childView->forget ();
			}
		}
	}
	CView* result = view.get ();
	result->remember ();
	return result;
}

int32_t UIDescription::getTagForName (UTF8StringPtr name) const
{
	if (!name)
		return -1;
	auto it = controlTags.find (name);
	int32_t tag = it == controlTags.end () ? -1 : it->second;
	return controller ? controller->getTagForName (name, tag) : tag;
}

bool UIDescription::lookupControlTagName (int32_t tag, std::string& name) const
{
	for (const auto& entry : controlTags)
	{
		if (entry.second == tag)
		{
			name = entry.first;
			return true;
		}
	}
	return false;
}

IControlListener* UIDescription::getControlListener (UTF8StringPtr name) const
{
	return controller ? controller->getControlListener (name) : nullptr;
}

} // namespace VSTGUI
