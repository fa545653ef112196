// Version texts of the module's class registrations.
#pragma once

#define PLUG_VERSION_STR "3.1.0.1"
#define PLUG_SDK_VERSION_STR "VST 3.7.3"
