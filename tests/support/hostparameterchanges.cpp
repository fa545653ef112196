#include "hostparameterchanges.h"

namespace Steinberg {
namespace Vst {

tresult PLUGIN_API HostParamValueQueue::getPoint (int32 index, int32& sampleOffset,
                                                  ParamValue& value)
{
	if (failGetPoint || index < 0 || index >= getPointCount ())
		return kResultFalse;
	sampleOffset = points[static_cast<size_t> (index)].first;
	value = points[static_cast<size_t> (index)].second;
	return kResultOk;
}

tresult PLUGIN_API HostParamValueQueue::addPoint (int32 sampleOffset, ParamValue value,
                                                  int32& index)
{
	index = getPointCount ();
	points.emplace_back (sampleOffset, value);
	return kResultOk;
}

tresult PLUGIN_API HostParamValueQueue::queryInterface (const TUID, void** obj)
{
	*obj = nullptr;
	return kNoInterface;
}

HostParamValueQueue& HostParameterChanges::add (ParamID id,
                                                std::vector<std::pair<int32, ParamValue>> points)
{
	auto queue = std::make_unique<HostParamValueQueue> (id);
	for (const auto& point : points)
	{
		int32 index = 0;
		queue->addPoint (point.first, point.second, index);
	}
	queues.push_back (std::move (queue));
	return *queues.back ();
}

IParamValueQueue* PLUGIN_API HostParameterChanges::getParameterData (int32 index)
{
	if (index < 0 || index >= getParameterCount ())
		return nullptr;
	return queues[static_cast<size_t> (index)].get ();
}

IParamValueQueue* PLUGIN_API HostParameterChanges::addParameterData (const ParamID& id,
                                                                    int32& index)
{
	index = getParameterCount ();
	queues.push_back (std::make_unique<HostParamValueQueue> (id));
	return queues.back ().get ();
}

tresult PLUGIN_API HostParameterChanges::queryInterface (const TUID, void** obj)
{
	*obj = nullptr;
	return kNoInterface;
}

} // namespace Vst
} // namespace Steinberg
