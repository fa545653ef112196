#include "allocationprobe.h"
#include "controllertesting.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST (ControllerAllocation, InitializeWithoutMemoryFailsWithoutAHalfList)
{
	// Fail each allocation of initialize in turn, until one runs through.
	int failures = 0;
	for (int after = 0;; ++after)
	{
		SCOPED_TRACE (after);
		ControllerRef<> controller;
		AllocationProbe::failNext (1, after);
		const tresult result = controller->initialize (nullptr);
		AllocationProbe::failNext (0);
		if (result == kResultOk)
		{
			EXPECT_EQ (valuesOf (*controller), controllerDefaults ());
			controller->terminate ();
			break;
		}
		++failures;
		EXPECT_EQ (result, kOutOfMemory);
		EXPECT_EQ (controller->getParameterCount (), 0);
		ParameterInfo info {};
		EXPECT_EQ (controller->getParameterInfo (0, info), kResultFalse);

		// Nothing is held over from the failed call: the next starts afresh.
		ASSERT_EQ (controller->initialize (nullptr), kResultOk);
		EXPECT_EQ (valuesOf (*controller), controllerDefaults ());
		EXPECT_EQ (controller->getParameterCount (), 9);
		controller->terminate ();
	}
	// Nine parameters, each with its object and its index entry, and the
	// list itself.
	EXPECT_GE (failures, 18);
}
