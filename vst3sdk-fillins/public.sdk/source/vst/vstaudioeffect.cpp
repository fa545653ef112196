#include "public.sdk/source/vst/vstaudioeffect.h"

#include "pluginterfaces/vst/vstspeaker.h"

namespace Steinberg {
namespace Vst {

namespace {

AudioBus* audioBusAt (BusList& list, int32 index)
{
	if (index < 0 || index >= static_cast<int32> (list.size ()))
		return nullptr;
	return FCast<AudioBus> (list.at (static_cast<size_t> (index)).get ());
}

EventBus* eventBusAt (BusList& list, int32 index)
{
	if (index < 0 || index >= static_cast<int32> (list.size ()))
		return nullptr;
	return FCast<EventBus> (list.at (static_cast<size_t> (index)).get ());
}

// Every given arrangement must carry as many channels as the bus it is meant
// for, so a host cannot change a bus's channel count behind its back.
bool arrangementsFit (BusList& list, const SpeakerArrangement* arrangements, int32 count)
{
	for (int32 index = 0; index < count; ++index)
	{
		AudioBus* bus = audioBusAt (list, index);
		if (!bus || SpeakerArr::getChannelCount (arrangements[index]) !=
		                SpeakerArr::getChannelCount (bus->getArrangement ()))
			return false;
	}
	return true;
}

void applyArrangements (BusList& list, const SpeakerArrangement* arrangements, int32 count)
{
	for (int32 index = 0; index < count; ++index)
		audioBusAt (list, index)->setArrangement (arrangements[index]);
}

} // namespace

AudioEffect::AudioEffect ()
{
	processSetup.maxSamplesPerBlock = 1024;
	processSetup.processMode = kRealtime;
	processSetup.sampleRate = 44100.0;
	processSetup.symbolicSampleSize = kSample32;
}

AudioBus* AudioEffect::addAudioInput (const TChar* name, SpeakerArrangement arr, BusType busType,
                                      int32 flags)
{
	auto* newBus = new AudioBus (name, busType, flags, arr);
	audioInputs.push_back (IPtr<Vst::Bus> (newBus, false));
	return newBus;
}

AudioBus* AudioEffect::addAudioOutput (const TChar* name, SpeakerArrangement arr,
                                       BusType busType, int32 flags)
{
	auto* newBus = new AudioBus (name, busType, flags, arr);
	audioOutputs.push_back (IPtr<Vst::Bus> (newBus, false));
	return newBus;
}

AudioBus* AudioEffect::getAudioInput (int32 index) { return audioBusAt (audioInputs, index); }
AudioBus* AudioEffect::getAudioOutput (int32 index) { return audioBusAt (audioOutputs, index); }

EventBus* AudioEffect::addEventInput (const TChar* name, int32 channels, BusType busType,
                                      int32 flags)
{
	auto* newBus = new EventBus (name, busType, flags, channels);
	eventInputs.push_back (IPtr<Vst::Bus> (newBus, false));
	return newBus;
}

EventBus* AudioEffect::addEventOutput (const TChar* name, int32 channels, BusType busType,
                                       int32 flags)
{
	auto* newBus = new EventBus (name, busType, flags, channels);
	eventOutputs.push_back (IPtr<Vst::Bus> (newBus, false));
	return newBus;
}

EventBus* AudioEffect::getEventInput (int32 index) { return eventBusAt (eventInputs, index); }
EventBus* AudioEffect::getEventOutput (int32 index) { return eventBusAt (eventOutputs, index); }

tresult PLUGIN_API AudioEffect::setBusArrangements (SpeakerArrangement* inputs, int32 numIns,
                                                    SpeakerArrangement* outputs, int32 numOuts)
{
	if (numIns < 0 || numOuts < 0)
		return kInvalidArgument;
	if ((numIns > 0 && !inputs) || (numOuts > 0 && !outputs))
		return kInvalidArgument;
	if (numIns > static_cast<int32> (audioInputs.size ()) ||
	    numOuts > static_cast<int32> (audioOutputs.size ()))
		return kResultFalse;
	if (!arrangementsFit (audioInputs, inputs, numIns) ||
	    !arrangementsFit (audioOutputs, outputs, numOuts))
		return kResultFalse;
	applyArrangements (audioInputs, inputs, numIns);
	applyArrangements (audioOutputs, outputs, numOuts);
	return kResultTrue;
}

tresult PLUGIN_API AudioEffect::getBusArrangement (BusDirection dir, int32 index,
                                                   SpeakerArrangement& arr)
{
	BusList* busList = getBusList (kAudio, dir);
	if (!busList)
		return kInvalidArgument;
	AudioBus* bus = audioBusAt (*busList, index);
	if (!bus)
		return kInvalidArgument;
	arr = bus->getArrangement ();
	return kResultTrue;
}

tresult PLUGIN_API AudioEffect::canProcessSampleSize (int32 symbolicSampleSize)
{
	return symbolicSampleSize == kSample32 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API AudioEffect::setupProcessing (ProcessSetup& setup)
{
	if (canProcessSampleSize (setup.symbolicSampleSize) != kResultTrue)
		return kResultFalse;
	processSetup = setup;
	return kResultOk;
}

} // namespace Vst
} // namespace Steinberg
