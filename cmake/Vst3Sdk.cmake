# The VST3 SDK as a static library. By default it is built from the SDK subset
# that Debian's juce-modules-source-data installs, completed by the classes in
# vst3sdk-fillins/. DERAZID_FULL_SDK points the build at a complete SDK
# checkout instead, whose own sources then replace the fill-ins.
set (DERAZID_VST3_SDK_DIR
     "/usr/share/juce/modules/juce_audio_processors/format_types/VST3_SDK"
     CACHE PATH "Root of the VST3 SDK (pluginterfaces/, base/, public.sdk/)")
option (DERAZID_FULL_SDK "DERAZID_VST3_SDK_DIR is a complete SDK, not the Debian subset" OFF)

if (NOT EXISTS "${DERAZID_VST3_SDK_DIR}/pluginterfaces/base/funknown.h")
  message (FATAL_ERROR
           "VST3 SDK not found in ${DERAZID_VST3_SDK_DIR}; "
           "install juce-modules-source-data or set DERAZID_VST3_SDK_DIR")
endif ()

set (_sdk "${DERAZID_VST3_SDK_DIR}")
set (_fill "${CMAKE_CURRENT_SOURCE_DIR}/vst3sdk-fillins")

set (DERAZID_SDK_SOURCES
     ${_sdk}/base/source/baseiids.cpp
     ${_sdk}/base/source/fbuffer.cpp
     ${_sdk}/base/source/fdebug.cpp
     ${_sdk}/base/source/fobject.cpp
     ${_sdk}/base/source/fstreamer.cpp
     ${_sdk}/base/source/fstring.cpp
     ${_sdk}/base/source/updatehandler.cpp
     ${_sdk}/base/thread/source/flock.cpp
     ${_sdk}/pluginterfaces/base/conststringtable.cpp
     ${_sdk}/pluginterfaces/base/coreiids.cpp
     ${_sdk}/pluginterfaces/base/funknown.cpp
     ${_sdk}/pluginterfaces/base/ustring.cpp
     ${_sdk}/public.sdk/source/common/memorystream.cpp
     ${_sdk}/public.sdk/source/common/pluginview.cpp
     ${_sdk}/public.sdk/source/vst/vstbus.cpp
     ${_sdk}/public.sdk/source/vst/vstcomponent.cpp
     ${_sdk}/public.sdk/source/vst/vstcomponentbase.cpp
     ${_sdk}/public.sdk/source/vst/vsteditcontroller.cpp
     ${_sdk}/public.sdk/source/vst/vstinitiids.cpp
     ${_sdk}/public.sdk/source/vst/vstparameters.cpp)

set (_fill_sources)
if (DERAZID_FULL_SDK)
  list (APPEND DERAZID_SDK_SOURCES
        ${_sdk}/public.sdk/source/common/commoniids.cpp
        ${_sdk}/public.sdk/source/vst/vstaudioeffect.cpp
        ${_sdk}/public.sdk/source/main/pluginfactory.cpp)
  set (DERAZID_SDK_ENTRY_SOURCES ${_sdk}/public.sdk/source/main/linuxmain.cpp)
  set (_sdk_includes ${_sdk})
else ()
  set (_fill_sources
       ${_fill}/public.sdk/source/common/commoniids.cpp
       ${_fill}/public.sdk/source/vst/vstaudioeffect.cpp
       ${_fill}/public.sdk/source/main/pluginfactory.cpp
       ${_fill}/pluginterfaces/gui/plugviewiids.cpp)
  set (DERAZID_SDK_ENTRY_SOURCES ${_fill}/public.sdk/source/main/linuxmain.cpp
                                 ${_fill}/public.sdk/source/main/macmain.cpp)
  # The fill-ins come first so that their headers are the ones found.
  set (_sdk_includes ${_fill} ${_sdk})
endif ()

# The SDK's debug checks (assertions, debug output) in debug builds only.
set (_sdk_definitions $<IF:$<CONFIG:Debug>,DEVELOPMENT=1,RELEASE=1>)
find_package (Threads REQUIRED)

add_library (vst3sdk STATIC ${DERAZID_SDK_SOURCES})
target_include_directories (vst3sdk SYSTEM PUBLIC ${_sdk_includes})
target_compile_definitions (vst3sdk PUBLIC ${_sdk_definitions})
target_compile_options (vst3sdk PRIVATE -w)
target_link_libraries (vst3sdk PUBLIC Threads::Threads ${CMAKE_DL_LIBS})

# The fill-ins are the project's own code: compiled with its warnings, then
# archived with the SDK.
if (_fill_sources)
  add_library (vst3sdk_fillins OBJECT ${_fill_sources})
  target_include_directories (vst3sdk_fillins SYSTEM PRIVATE ${_sdk_includes})
  target_compile_definitions (vst3sdk_fillins PRIVATE ${_sdk_definitions})
  target_link_libraries (vst3sdk_fillins PRIVATE derazid_warnings)
  target_sources (vst3sdk PRIVATE $<TARGET_OBJECTS:vst3sdk_fillins>)
endif ()
