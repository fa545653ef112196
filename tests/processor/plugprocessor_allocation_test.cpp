#include "allocationprobe.h"
#include "processorprobe.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST (ProcessorAllocation, ActivationWithoutMemoryFailsAndStaysSafe)
{
	ProcessorRef processor;
	ASSERT_EQ (processor->initialize (nullptr), kResultOk);
	ProcessSetup setup {kRealtime, kSample32, 256, 48000.0};
	ASSERT_EQ (processor->setupProcessing (setup), kResultOk);

	// The four lines are the only allocations of an activation.
	AllocationProbe::startCounting ();
	ASSERT_EQ (processor->setActive (true), kResultOk);
	ASSERT_EQ (AllocationProbe::stopCounting (), 4u);
	processor->setActive (false);

	for (int linesThatFit = 0; linesThatFit < 4; ++linesThatFit)
	{
		AllocationProbe::failNext (1, linesThatFit);
		EXPECT_EQ (processor->setActive (true), kOutOfMemory) << linesThatFit;
		AllocationProbe::failNext (0);
		EXPECT_FALSE (processor->inputLineL);
		EXPECT_FALSE (processor->inputLineR);
		EXPECT_FALSE (processor->feedbackLineL);
		EXPECT_FALSE (processor->feedbackLineR);
		EXPECT_EQ (processor->bufferLength, 0);
		ProcessData empty {};
		EXPECT_EQ (processor->process (empty), kResultOk);
		EXPECT_EQ (processor->setActive (false), kResultOk);
	}

	EXPECT_EQ (processor->setActive (true), kResultOk);
	EXPECT_TRUE (processor->hasLines ());
	processor->setActive (false);
	processor->terminate ();
}
