// The host side of parameter changes: a block's queues, filled by a test the
// way a host fills them from automation.
#pragma once

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <memory>
#include <utility>
#include <vector>

namespace Steinberg {
namespace Vst {

class HostParamValueQueue : public IParamValueQueue
{
public:
	explicit HostParamValueQueue (ParamID id) : id (id) {}
	virtual ~HostParamValueQueue () = default;

	ParamID PLUGIN_API getParameterId () override { return id; }
	int32 PLUGIN_API getPointCount () override { return static_cast<int32> (points.size ()); }
	tresult PLUGIN_API getPoint (int32 index, int32& sampleOffset, ParamValue& value) override;
	tresult PLUGIN_API addPoint (int32 sampleOffset, ParamValue value, int32& index) override;

	// Lets a test make getPoint fail, as a faulty host might.
	bool failGetPoint = false;

	tresult PLUGIN_API queryInterface (const TUID, void** obj) override;
	uint32 PLUGIN_API addRef () override { return 1; }
	uint32 PLUGIN_API release () override { return 1; }

private:
	ParamID id;
	std::vector<std::pair<int32, ParamValue>> points;
};

class HostParameterChanges : public IParameterChanges
{
public:
	HostParameterChanges () = default;
	virtual ~HostParameterChanges () = default;

	// Adds a queue for id holding the given points (offset, value).
	HostParamValueQueue& add (ParamID id, std::vector<std::pair<int32, ParamValue>> points);
	// Adds a queue for id with a single point at offset 0.
	HostParamValueQueue& set (ParamID id, ParamValue value) { return add (id, {{0, value}}); }
	// An index whose queue getParameterData does not deliver.
	void addMissingQueue () { queues.emplace_back (nullptr); }
	void clear () { queues.clear (); }

	int32 PLUGIN_API getParameterCount () override { return static_cast<int32> (queues.size ()); }
	IParamValueQueue* PLUGIN_API getParameterData (int32 index) override;
	IParamValueQueue* PLUGIN_API addParameterData (const ParamID& id, int32& index) override;

	tresult PLUGIN_API queryInterface (const TUID, void** obj) override;
	uint32 PLUGIN_API addRef () override { return 1; }
	uint32 PLUGIN_API release () override { return 1; }

private:
	std::vector<std::unique_ptr<HostParamValueQueue>> queues;
};

} // namespace Vst
} // namespace Steinberg
