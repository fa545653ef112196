// A host's component handler that records the edits it is sent.
#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <vector>

namespace Steinberg {
namespace Vst {

class RecordingHandler : public IComponentHandler
{
public:
	enum Kind
	{
		kBegin,
		kPerform,
		kEnd
	};
	struct Edit
	{
		Kind kind;
		ParamID id;
		ParamValue value;
	};

	tresult PLUGIN_API beginEdit (ParamID id) override
	{
		edits.push_back ({kBegin, id, 0.});
		return kResultOk;
	}
	tresult PLUGIN_API performEdit (ParamID id, ParamValue value) override
	{
		edits.push_back ({kPerform, id, value});
		return kResultOk;
	}
	tresult PLUGIN_API endEdit (ParamID id) override
	{
		edits.push_back ({kEnd, id, 0.});
		return kResultOk;
	}
	tresult PLUGIN_API restartComponent (int32) override { return kResultOk; }

	tresult PLUGIN_API queryInterface (const TUID iid, void** obj) override
	{
		QUERY_INTERFACE (iid, obj, FUnknown::iid, IComponentHandler)
		QUERY_INTERFACE (iid, obj, IComponentHandler::iid, IComponentHandler)
		*obj = nullptr;
		return kNoInterface;
	}
	// Lives on the test's stack.
	uint32 PLUGIN_API addRef () override { return 1000; }
	uint32 PLUGIN_API release () override { return 1000; }

	std::vector<Edit> edits;
};

} // namespace Vst
} // namespace Steinberg
